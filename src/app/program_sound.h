#pragma once
// The program's one sound: the system's MIDI outputs, the chord player on the windows' event
// loop, and what every window asks of it when a chord is pressed.

#include "sound/chord_player.h"
#include "sound/midi_output.h"
#include "sound/system_midi.h"
#include "ui/common/chord_sound.h"
#include "ui/sound/qt_agenda.h"

namespace trovale {

class Dialogs;

class SomDoPrograma : public SomDeAcordes {
  public:
    explicit SomDoPrograma(Dialogs& dialogs);

    void tocar(const TDigitacao& digitacao, int capotraste) override;
    void tocarTipo(const TTipoAcorde& tipo, int raiz) override;
    void soltar() override;
    void parar() override;

    SaidaMidi& saida() { return saida_; }
    AcordeMidi& acorde() { return acorde_; }

  private:
    SistemaMidiPadrao sistema_;
    SaidaMidi saida_{sistema_};
    AgendaQt agenda_;
    AcordeMidi acorde_;
};

}  // namespace trovale
