// The main window's commands on a song's settings: its presentation template, the line
// meanings dragged from the template window, and its page layout.
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/page_setup/configured_document.h"
#include "ui/page_setup/page_form.h"
#include "ui/page_setup/page_picture.h"
#include "ui/template_window/template_form.h"

namespace trovale {

namespace {

// The song window as the page setup window works on it.
class PaginaDoDocumento : public DocumentoConfigurado {
  public:
    PaginaDoDocumento(TImageForm& documento, std::function<void()> abrirModelo)
        : documento_(documento), abrirModelo_(std::move(abrirModelo)) {}

    const SheetPaint& pintura() const override { return *documento_.pintura(); }
    int dpi() const override { return documento_.dpi(); }
    const PageLayout& layout() const override { return documento_.documento().Layout; }
    void aplicarLayout(const PageLayout& layout) override { documento_.aplicarLayout(layout); }
    void abrirModelo() override { abrirModelo_(); }

  private:
    TImageForm& documento_;
    std::function<void()> abrirModelo_;
};

}  // namespace

void TTrovaleForm1::setPagina(TPageForm* pagina) {
    pagina_ = pagina;
    semJanela_.removeAll(menu_.mConfigurar);
    connect(menu_.mConfigurar, &QAction::triggered, this, [this] {
        if (TImageForm* documento = documentoAtivo()) configurarPagina(*documento);
    });
    connect(pagina_, &TPageForm::ajudaPedida, this, [this](const QString& topico) {
        if (ajuda_) ajuda_->mostrarPagina(topico);
    });
    connect(pagina_, &TPageForm::imprimirPedido, this, &TTrovaleForm1::imprimirAtivo);
    aplicarRegras();
}

void TTrovaleForm1::configurarPagina(TImageForm& documento) {
    if (!pagina_ || !documento.pintura()) return;
    const SongState antes = documento.iniciarAjustes();
    PaginaDoDocumento pagina(documento, [this, &documento] { editarModelo(documento, false); });
    pagina_->setImpressora({printerCount_ == 0 ? QString() : impressora_.nome(),
                            [this](bool paisagem) { return metricasPagina(paisagem); }});
    if (!pagina_->configurar(pagina, PageAtTop(documento.folha(), documento.deslocamento()))) {
        documento.desfazerAjustes(antes);
        return;
    }
    if (pagina_->layout() != documento.documento().Layout)
        documento.aplicarLayout(pagina_->layout());
    documento.concluirAjustes(antes);
}

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
    modelo_->quadroDaPrevia = [this]() -> std::optional<QRect> {
        if (!pagina_ || !pagina_->isVisible()) return std::nullopt;
        QWidget* previa = pagina_->ImagemPagina;
        return QRect(previa->mapToGlobal(QPoint(0, 0)), previa->size());
    };
    aplicarRegras();
}

void TTrovaleForm1::editarModelo(TImageForm& documento, bool umPasso) {
    if (!modelo_) return;
    const SongState antes = documento.iniciarAjustes();
    const auto aplicar =
        connect(modelo_, &TModelForm::aplicarPedido, &documento, [this, &documento] {
            documento.aplicarModelo(modelo_->modeloDaJanela(documento.documento().Template));
        });
    const bool confirmado = modelo_->editar(documento.documento().Template);
    disconnect(aplicar);
    if (!confirmado) {
        if (umPasso)
            documento.desfazerAjustes(antes);
        else
            documento.voltarModelo(antes);
        return;
    }
    documento.aplicarModelo(modelo_->modeloDaJanela(documento.documento().Template));
    if (umPasso) documento.concluirAjustes(antes);
}

void TTrovaleForm1::definirLinhas(TImageForm& documento) {
    if (!modelo_) return;
    const int topoDaFolha = documento.grade(0)->mapToGlobal(QPoint(0, 0)).y();
    modelo_->mostrarParaArrastar(documento.documento().Template, topoDaFolha);
}

}  // namespace trovale
