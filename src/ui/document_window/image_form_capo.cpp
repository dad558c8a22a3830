// A song window's capo: the fret it is on, and the chords named as they sound.

#include "base/dialogs.h"
#include "document/capo.h"
#include "document/sounding_chords.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"

namespace trovale {

namespace {

constexpr const char* kSemLinhaParaCapotraste =
    "A música já tem o número máximo de linhas; não cabe a linha do capotraste.";

}  // namespace

int TImageForm::capotraste() const {
    return capotrasteDaCancao(doc_);
}

void TImageForm::definirCapotraste(int casa) {
    editor_->encerrarEdicao();
    if (casa == capotraste()) return;
    const SongState antes = stateOf(doc_);
    if (!trovale::definirCapotraste(doc_, casa)) {
        servicos_.dialogs.aviso(kSemLinhaParaCapotraste);
        return;
    }
    editor_->registrarPasso(antes);
    marcarModificado();
    redispor();
}

void TImageForm::mostrarNomesSoantes(bool soantes) {
    if (soantes == nomesSoantes_) return;
    editor_->encerrarEdicao();
    nomesSoantes_ = soantes;
    dispor();
}

const SongDocument& TImageForm::exibido() {
    if (!nomesSoantes_ || capotrasteDaCancao(doc_) == 0) return doc_;
    soante_ = cancaoSoante(doc_, servicos_.tipos);
    return soante_;
}

}  // namespace trovale
