// The main window's printing commands: print the song in front, change the printer.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>

#include "ui/document_window/image_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/print/print_form.h"

namespace trovale {

void TTrovaleForm1::setImpressao(TPrintForm* impressao) {
    impressao_ = impressao;
    semJanela_.removeAll(menu_.mImprimir);
    semJanela_.removeAll(menu_.mImpressora);
    connect(menu_.mImprimir, &QAction::triggered, this, &TTrovaleForm1::imprimirAtivo);
    connect(menu_.mImpressora, &QAction::triggered, this, &TTrovaleForm1::configurarImpressora);
    connect(impressao_, &TPrintForm::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    aplicarRegras();
}

void TTrovaleForm1::imprimirAtivo() {
    TImageForm* documento = documentoAtivo();
    QPrinter* impressora = impressora_.impressora();
    if (!documento || !impressao_ || !impressora || !documento->pintura()) return;
    const PageMetrics pagina = documento->metricas();
    impressao_->imprimir(documento->folha().PageCount, impressora_.nome(), pagina,
                         [documento, impressora](const std::vector<int>& paginas,
                                                 const AcompanhamentoImpressao& acompanhamento) {
                             return documento->imprimirEm(*impressora, paginas, acompanhamento);
                         });
}

void TTrovaleForm1::configurarImpressora() {
    if (!impressora_.configurar(this)) return;
    for (TImageForm* documento : documentosAbertos()) documento->retomarPagina();
}

}  // namespace trovale
