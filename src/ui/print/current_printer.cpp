#include "ui/print/current_printer.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace trovale {

ImpressoraAtual::ImpressoraAtual() = default;
ImpressoraAtual::~ImpressoraAtual() = default;

bool ImpressoraAtual::existe() const {
    return existeImpressora();
}

// Made on first use: asking CUPS for the default printer takes a moment.
QPrinter* ImpressoraAtual::obter() const {
    if (impressora_) return impressora_.get();
    if (!existe()) return nullptr;
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) info = QPrinterInfo::availablePrinters().first();
    impressora_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return impressora_.get();
}

QString ImpressoraAtual::nome() const {
    QPrinter* p = obter();
    return p ? p->printerName() : QString();
}

PageMetrics ImpressoraAtual::metricas(bool paisagem) const {
    QPrinter* p = obter();
    return p ? metricasDaImpressora(*p, paisagem) : metricasSemImpressora(paisagem);
}

QPrinter* ImpressoraAtual::impressora() const {
    return obter();
}

bool ImpressoraAtual::configurar(QWidget* pai) {
    QPrinter* p = obter();
    if (!p) return false;
    QPrintDialog dialogo(p, pai);
    dialogo.setWindowTitle(QStringLiteral("Impressora"));
    // Only the printer and its paper are chosen here; pages are chosen when printing.
    dialogo.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    return dialogo.exec() == QDialog::Accepted;
}

}  // namespace trovale
