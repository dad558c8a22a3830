#pragma once
// The start sound, played without holding up the start, by the same way out as the chords:
// the system's audio through the built-in synthesizer's drivers. Silently skipped where there
// is no sound.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "sound/pcm_player.h"

namespace trovale {

class SomInicial : public QObject {
    Q_OBJECT
  public:
    explicit SomInicial(QObject* parent = nullptr);
    ~SomInicial() override;

    // Starts playing and returns at once. False when there is no sound output.
    bool tocar(const SomPcm& som);
    bool tocando() const;

  private:
    void verificarFim();

    std::unique_ptr<TocadorPcm> tocador_;
    int duracaoMs_ = 0;
    QTimer verificador_;
    QElapsedTimer relogio_;
};

}  // namespace trovale
