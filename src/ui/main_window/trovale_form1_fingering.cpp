// The main window's way to the fingering editor.

#include "catalogue/fingering.h"
#include "ui/fingering_editor/edit_form.h"
#include "ui/main_window/trovale_form1.h"

namespace trovale {

void TTrovaleForm1::setEdicao(TEditForm* edicao) {
    edicao_ = edicao;
    semJanela_.removeAll(menu_.mDigitacao);
    connect(menu_.mDigitacao, &QAction::triggered, this, [this] { abrirEditorDeDigitacoes(); });
    aplicarRegras();
}

void TTrovaleForm1::abrirEditorDeDigitacoes(const std::string& digitacao) {
    if (!edicao_) return;
    const auto gravada = digitacaoDoTexto(digitacao);
    edicao_->setTopo(modalTop());
    mostrarPainel(false);
    if (gravada)
        edicao_->analisar(Decodificar(*gravada));
    else
        edicao_->abrir();
    mostrarPainel(numeroDocumentos() == 0);
}

}  // namespace trovale
