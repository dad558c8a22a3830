#include "app/start_sound.h"

#include <QLibrary>
#include <QtEndian>
#include <cerrno>

namespace trovale {

namespace {

quint32 palavra32(const QByteArray& bytes, qsizetype posicao) {
    return qFromLittleEndian<quint32>(bytes.constData() + posicao);
}

quint16 palavra16(const QByteArray& bytes, qsizetype posicao) {
    return qFromLittleEndian<quint16>(bytes.constData() + posicao);
}

// The library's own values for what is asked of it.
constexpr int kReproducao = 0;         // SND_PCM_STREAM_PLAYBACK
constexpr int kSemBloquear = 1;        // SND_PCM_NONBLOCK
constexpr int kFormatoS16LE = 2;       // SND_PCM_FORMAT_S16_LE
constexpr int kAcessoIntercalado = 3;  // SND_PCM_ACCESS_RW_INTERLEAVED
constexpr unsigned kLatenciaUs = 250000;
constexpr int kIntervaloMs = 40;

// Without this the library writes its complaints about a machine without sound to stderr.
void silenciarAlsa(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

std::optional<SomPcm> lerWav(const QByteArray& arquivo) {
    if (arquivo.size() < 12 || !arquivo.startsWith("RIFF") || arquivo.mid(8, 4) != "WAVE")
        return std::nullopt;
    SomPcm som;
    bool formatoVisto = false;
    qsizetype posicao = 12;
    while (posicao + 8 <= arquivo.size()) {
        const QByteArray id = arquivo.mid(posicao, 4);
        const qsizetype tamanho = palavra32(arquivo, posicao + 4);
        const qsizetype dados = posicao + 8;
        if (tamanho > arquivo.size() - dados) return std::nullopt;
        if (id == "fmt " && tamanho >= 16) {
            if (palavra16(arquivo, dados) != 1 || palavra16(arquivo, dados + 14) != 16)
                return std::nullopt;  // not plain 16-bit PCM
            som.canais = palavra16(arquivo, dados + 2);
            som.taxa = static_cast<int>(palavra32(arquivo, dados + 4));
            formatoVisto = som.canais > 0 && som.taxa > 0;
        } else if (id == "data" && formatoVisto) {
            som.amostras = arquivo.mid(dados, tamanho - tamanho % (2 * som.canais));
            return som;
        }
        posicao = dados + tamanho + (tamanho & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

struct SomInicial::Alsa {
    using Abrir = int (*)(void**, const char*, int, int);
    using Configurar = int (*)(void*, int, int, unsigned, unsigned, int, unsigned);
    using Escrever = long (*)(void*, const void*, unsigned long);
    using Recuperar = int (*)(void*, int, int);
    using Fechar = int (*)(void*);
    using Silenciar = int (*)(void (*)(const char*, int, const char*, int, const char*, ...));

    QLibrary biblioteca{QStringLiteral("asound"), 2};
    Escrever escrever = nullptr;
    Recuperar recuperar = nullptr;
    Fechar fechar = nullptr;
    void* pcm = nullptr;

    bool abrir(const SomPcm& som) {
        if (!biblioteca.load()) return false;
        auto abrirPcm = reinterpret_cast<Abrir>(biblioteca.resolve("snd_pcm_open"));
        auto configurar = reinterpret_cast<Configurar>(biblioteca.resolve("snd_pcm_set_params"));
        auto silenciar =
            reinterpret_cast<Silenciar>(biblioteca.resolve("snd_lib_error_set_handler"));
        escrever = reinterpret_cast<Escrever>(biblioteca.resolve("snd_pcm_writei"));
        recuperar = reinterpret_cast<Recuperar>(biblioteca.resolve("snd_pcm_recover"));
        fechar = reinterpret_cast<Fechar>(biblioteca.resolve("snd_pcm_close"));
        if (!abrirPcm || !configurar || !escrever || !recuperar || !fechar) return false;
        if (silenciar) silenciar(silenciarAlsa);
        if (abrirPcm(&pcm, "default", kReproducao, kSemBloquear) < 0) {
            pcm = nullptr;
            return false;
        }
        if (configurar(pcm, kFormatoS16LE, kAcessoIntercalado, static_cast<unsigned>(som.canais),
                       static_cast<unsigned>(som.taxa), 1, kLatenciaUs) < 0) {
            encerrar();
            return false;
        }
        return true;
    }

    void encerrar() {
        if (pcm) fechar(pcm);
        pcm = nullptr;
    }

    ~Alsa() { encerrar(); }
};

SomInicial::SomInicial(QObject* parent) : QObject(parent) {
    alimentador_.setInterval(kIntervaloMs);
    connect(&alimentador_, &QTimer::timeout, this, &SomInicial::alimentar);
}

SomInicial::~SomInicial() = default;

bool SomInicial::tocando() const {
    return alsa_ && alsa_->pcm;
}

bool SomInicial::tocar(const SomPcm& som) {
    encerrar();
    if (som.quadros() == 0) return false;
    alsa_ = std::make_unique<Alsa>();
    if (!alsa_->abrir(som)) {
        alsa_.reset();
        return false;
    }
    som_ = som;
    quadrosEnviados_ = 0;
    relogio_.start();
    alimentar();
    alimentador_.start();
    return true;
}

// The device takes what fits in its buffer; the rest follows on the timer, so the user
// interface never waits for the sound.
void SomInicial::alimentar() {
    if (!tocando()) return;
    const int bytesQuadro = 2 * som_.canais;
    while (quadrosEnviados_ < som_.quadros()) {
        const long escritos =
            alsa_->escrever(alsa_->pcm, som_.amostras.constData() + quadrosEnviados_ * bytesQuadro,
                            static_cast<unsigned long>(som_.quadros() - quadrosEnviados_));
        if (escritos == -EAGAIN) return;
        if (escritos < 0) {
            if (alsa_->recuperar(alsa_->pcm, static_cast<int>(escritos), 1) < 0) encerrar();
            return;
        }
        quadrosEnviados_ += static_cast<int>(escritos);
    }
    // Closing drops what is still buffered, so the end of the sound is waited for.
    if (relogio_.elapsed() >= som_.duracaoMs() + kIntervaloMs) encerrar();
}

void SomInicial::encerrar() {
    alimentador_.stop();
    alsa_.reset();
}

}  // namespace trovale
