// A song window's side of a transposition: its chords out, the renamed ones back.

#include "document/capo.h"
#include "document/chord_renaming.h"
#include "document/sounding_chords.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"

namespace trovale {

std::vector<LinhaTransposicao> TImageForm::acordesParaTransposicao() {
    editor_->encerrarEdicao();
    return linhasParaTransposicao(doc_.Chords);
}

void TImageForm::aplicarTransposicao(const std::vector<LinhaTransposicao>& linhas) {
    aplicarTransposicao(linhas, capotraste(), 0);
}

void TImageForm::aplicarTransposicao(const std::vector<LinhaTransposicao>& linhas, int casa,
                                     int deslocamentoSoante) {
    const SongState antes = stateOf(doc_);
    renomearAcordes(doc_.Chords, linhas);
    trovale::definirCapotraste(doc_, casa);
    transporLinhaDoTom(doc_, deslocamentoSoante);
    editor_->registrarPasso(antes);
    marcarModificado();
    redispor();
}

}  // namespace trovale
