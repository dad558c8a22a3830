#include "app/program_sound.h"

#include "sound/chord_notes.h"

namespace trovale {

SomDoPrograma::SomDoPrograma(Dialogs& dialogs) : acorde_(saida_, agenda_, dialogs) {}

void SomDoPrograma::tocar(const TDigitacao& digitacao, int capotraste) {
    std::vector<int> notas = notasDoAcorde(digitacao);
    for (int& nota : notas) nota += capotraste;
    acorde_.TocarNotas(std::move(notas));
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
