#include "app/program_sound.h"

#include "sound/chord_notes.h"

namespace trovale {

SomDoPrograma::SomDoPrograma(Dialogs& dialogs) : acorde_(saida_, agenda_, dialogs) {}

void SomDoPrograma::tocar(const TDigitacao& digitacao) {
    acorde_.TocarAcorde(digitacao);
}

void SomDoPrograma::tocarTipo(const TTipoAcorde& tipo, int raiz) {
    acorde_.TocarNotas(notasDoTipo(tipo, raiz));
}

void SomDoPrograma::soltar() {
    acorde_.LiberarAcorde();
}

void SomDoPrograma::parar() {
    acorde_.PararAcorde();
}

}  // namespace trovale
