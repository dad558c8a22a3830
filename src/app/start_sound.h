#pragma once
// The start sound, played without holding up the start. It goes to the system's sound
// service through ALSA when the library is there, and is silently skipped otherwise.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

namespace trovale {

// Uncompressed 16-bit PCM, as found in a WAV file.
struct SomPcm {
    int canais = 0;
    int taxa = 0;
    QByteArray amostras;  // interleaved, little-endian

    int quadros() const {
        return canais > 0 ? static_cast<int>(amostras.size()) / (2 * canais) : 0;
    }
    int duracaoMs() const { return taxa > 0 ? static_cast<int>(1000LL * quadros() / taxa) : 0; }
};

// The sound of a RIFF/WAVE file of 16-bit PCM; nothing for any other kind of file.
std::optional<SomPcm> lerWav(const QByteArray& arquivo);

class SomInicial : public QObject {
    Q_OBJECT
  public:
    explicit SomInicial(QObject* parent = nullptr);
    ~SomInicial() override;

    // Starts playing and returns at once. False when there is no sound output.
    bool tocar(const SomPcm& som);
    bool tocando() const;

  private:
    struct Alsa;
    void alimentar();
    void encerrar();

    std::unique_ptr<Alsa> alsa_;
    SomPcm som_;
    int quadrosEnviados_ = 0;
    QTimer alimentador_;
    QElapsedTimer relogio_;
};

}  // namespace trovale
