#include "fingering/editor_state.h"

#include "catalogue/notes.h"

namespace trovale {

FingeringEditorState emptyEditorState() {
    FingeringEditorState estado;
    estado.digitacao.Casa = 1;
    estado.digitacao.Estado.fill(kCordaMuda);
    for (int corda = 1; corda <= kCordas; ++corda)
        estado.labels[corda - 1] = stringLabel(estado.digitacao, estado.chordTones, corda);
    return estado;
}

std::string stringLabel(const TDigitacao& digitacao, const ChordToneRow& tons, int corda) {
    return labelSpelling(digitacao.notaDaCorda(corda), tons);
}

void refreshDerived(FingeringEditorState& estado, const CatalogoTipos& tipos) {
    estado.chordTones = ChordToneRow{};
    if (estado.linked()) {
        estado.linkedRoot = notaDaGrafia(estado.linkedRootName);
        if (CatalogoTipos::numeroValido(estado.linkedType))
            estado.chordTones = chordToneRow(tipos.tipo(estado.linkedType), estado.linkedRootName,
                                             estado.linkedRoot);
    }
    for (int corda = 1; corda <= kCordas; ++corda)
        estado.labels[corda - 1] = stringLabel(estado.digitacao, estado.chordTones, corda);
}

void linkChord(FingeringEditorState& estado, const CatalogoTipos& tipos, std::string_view rootName,
               int tipo) {
    estado.linkedType = tipo;
    estado.linkedRootName = std::string(rootName);
    refreshDerived(estado, tipos);
}

void unlinkChord(FingeringEditorState& estado, const CatalogoTipos& tipos) {
    estado.linkedType = 0;
    estado.linkedRoot = 0;
    estado.linkedRootName.clear();
    refreshDerived(estado, tipos);
}

}  // namespace trovale
