#pragma once
// Sounding a fingering: the notes, the strum, and the timers that end the sound.

#include <memory>
#include <mutex>
#include <vector>

#include "catalogue/fingering.h"
#include "sound/agenda.h"
#include "sound/chord_notes.h"
#include "sound/midi_output.h"

namespace trovale {

class Dialogs;

inline constexpr const char* kMensagemMidiIndisponivel = "MIDI em uso ou indisponível.";
inline constexpr const char* kMensagemSemAudio = "Nenhuma saída de áudio disponível.";

// Every public call may come from any thread; the agenda's tasks take the same lock.
class AcordeMidi {
  public:
    // The output, the agenda and the dialogs must outlive the player; tasks the agenda
    // still holds after it is gone do nothing.
    AcordeMidi(SaidaMidi& saida, Agenda& agenda, Dialogs& dialogs);
    ~AcordeMidi();
    AcordeMidi(const AcordeMidi&) = delete;
    AcordeMidi& operator=(const AcordeMidi&) = delete;

    // Sounds the fingering and starts the sound timer. False, after the message
    // "MIDI em uso ou indisponível.", when the device did not open; when it was the built-in
    // synthesizer without audio, "Nenhuma saída de áudio disponível.", the first time only.
    bool TocarAcorde(const TDigitacao& digitacao);
    // The same for notes given directly, lowest first (a chord without a fingering).
    bool TocarNotas(std::vector<int> notas);
    // Every note off, the timers stopped, the device closed.
    void PararAcorde();
    // The mouse button was released: the chord ends kDuracaoSolta after its start.
    void LiberarAcorde();
    // "&Testar som": TocarAcorde and the test timer, which ends it as LiberarAcorde does.
    bool TestarSom(const TDigitacao& digitacao);

    bool soando() const;
    // The device by its identifier (entry index - 1).
    void EscolherDispositivo(int id);
    // 0..127, or kSemInstrumento.
    void definirPrograma(int programa);
    int programa() const;
    void destacarBaixo(bool destacar);
    bool baixoDestacado() const;

  private:
    // Shared with the agenda's tasks, so that a late task finds the player gone.
    struct Guarda {
        std::mutex mutex;
        bool vivo = true;
    };
    struct Temporizador {
        bool ativo = false;
        unsigned geracao = 0;
        Duracao limite{};
    };

    bool tocar(std::vector<int> notas);
    // The message for a device that did not open; nothing when it was already given.
    const char* avisoDaFalha();
    void parar();
    void enviarRestantes(unsigned acorde);
    void ligar(Temporizador& temporizador, Duracao limite);
    void verificar(Temporizador& temporizador, unsigned geracao);
    void desligar(Temporizador& temporizador);
    template <typename Tarefa>
    void agendar(Duracao atraso, Tarefa tarefa);

    SaidaMidi& saida_;
    Agenda& agenda_;
    Dialogs& dialogs_;
    std::shared_ptr<Guarda> guarda_ = std::make_shared<Guarda>();

    int programa_ = 0;
    bool destacarBaixo_ = true;
    std::vector<int> notas_;  // sounding, in the order they were sent
    Instante inicio_{};       // when the strum is over
    unsigned acorde_ = 0;     // tells a late strum task that its chord was stopped
    Temporizador som_, soltura_, teste_;
    bool semAudioAvisado_ = false;  // for as long as the program runs
};

}  // namespace trovale
