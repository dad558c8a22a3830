// The main window's commands on a song's settings: its presentation template and the line
// meanings dragged from the template window.
#include "ui/document_window/image_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/template_window/template_form.h"

namespace trovale {

void TTrovaleForm1::setModelo(TModelForm* modelo) {
    modelo_ = modelo;
    semJanela_.removeAll(menu_.mModelo);
    connect(menu_.mModelo, &QAction::triggered, this, [this] {
        if (TImageForm* documento = documentoAtivo()) editarModelo(*documento);
    });
    connect(modelo_, &TModelForm::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    modelo_->topoPrincipal = [this] { return modalTop(); };
    aplicarRegras();
}

void TTrovaleForm1::editarModelo(TImageForm& documento, bool umPasso) {
    if (!modelo_) return;
    const SongState antes = documento.iniciarAjustes();
    const auto aplicar = connect(modelo_, &TModelForm::aplicarPedido, &documento, [this, &documento] {
        documento.aplicarModelo(modelo_->modeloDaJanela(documento.documento().Template));
    });
    const bool confirmado = modelo_->editar(documento.documento().Template);
    disconnect(aplicar);
    if (!confirmado) {
        if (umPasso) documento.desfazerAjustes(antes);
        return;
    }
    documento.aplicarModelo(modelo_->modeloDaJanela(documento.documento().Template));
    if (umPasso) documento.concluirAjustes(antes);
}

void TTrovaleForm1::definirLinhas(TImageForm& documento) {
    if (modelo_) modelo_->mostrarParaArrastar(documento.documento().Template);
}

}  // namespace trovale
