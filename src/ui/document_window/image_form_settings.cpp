// The song window's template and page layout: applied for viewing while their windows are
// open, then kept as one undo step or put back as they were.
#include "ui/document_window/image_form.h"

#include "base/dialogs.h"
#include "ui/document_window/sheet_editor.h"

namespace trovale {

namespace {

// Diagrams between the lines want diagram rows; lyrics with chords want symbol rows.
void converterLinhasDeAcordes(SongDocument& doc) {
    for (std::uint8_t& tipo : doc.LineKinds) {
        if (doc.Template.Presentation == 2 && tipo == kChordLine) tipo = kDiagramChordLine;
        if (doc.Template.Presentation == 1 && tipo == kDiagramChordLine) tipo = kChordLine;
    }
}

}  // namespace

SongState TImageForm::iniciarAjustes() {
    editor_->encerrarEdicao();
    return stateOf(doc_);
}

void TImageForm::aplicarModelo(const Modelo& modelo) {
    doc_.Template = modelo;
    converterLinhasDeAcordes(doc_);
    dispor();
}

void TImageForm::aplicarLayout(const PageLayout& layout) {
    doc_.Layout = layout;
    dispor();
}

void TImageForm::concluirAjustes(const SongState& antes) {
    const SongState agora = stateOf(doc_);
    const bool mudou = agora.Template != antes.Template || agora.Layout != antes.Layout ||
                       agora.LineKinds != antes.LineKinds;
    if (mudou) {
        editor_->registrarPasso(antes);
        marcarModificado();
    }
    if (truncated_) servicos_.dialogs.aviso(kAvisoTruncado.toStdString());
}

void TImageForm::voltarModelo(const SongState& antes) {
    doc_.Template = antes.Template;
    doc_.LineKinds = antes.LineKinds;
    dispor();
}

void TImageForm::desfazerAjustes(const SongState& antes) {
    doc_.Layout = antes.Layout;
    voltarModelo(antes);
    if (truncated_) servicos_.dialogs.aviso(kAvisoTruncado.toStdString());
}

}  // namespace trovale
