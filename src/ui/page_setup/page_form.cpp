#include "ui/page_setup/page_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "settings/paper.h"
#include "ui/page_setup/configured_document.h"
#include "ui/page_setup/page_picture.h"

namespace trovale {

const QString TPageForm::kPaginaAjuda = QStringLiteral("layout.html");

TPageForm::TPageForm(PageLayout& padrao, FileSystem& fs, std::filesystem::path pastaPrograma,
                     Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      padrao_(padrao),
      fs_(fs),
      pasta_(std::move(pastaPrograma)),
      dialogs_(dialogs),
      layout_(layoutDeFabrica()) {
    setObjectName(QStringLiteral("TPageForm"));
    setWindowTitle(QStringLiteral(" Configuração das páginas e visualização da impressão"));
    setModal(true);
    setSizeGripEnabled(true);
    createControls();
    connectControls();
    retomarMetricas();
    mostrarLayout();
    mostrarRotulos();
    mostrarPaginas();
    dimensionar();
}

void TPageForm::setImpressora(ImpressoraDaPagina impressora) {
    impressora_ = std::move(impressora);
    retomarMetricas();
    mostrarLayout();
    mostrarRotulos();
    ImagemPagina->update();
}

bool TPageForm::configurar(DocumentoConfigurado& doc, int pagina) {
    doc_ = &doc;
    layout_ = doc.layout();
    selecionado_ = CampoLayout::MargemSuperior;
    retomarMetricas();
    mostrarLayout();
    mostrarRotulos();
    pagina_ = std::max(1, pagina);
    mostrarPaginas();
    QTimer::singleShot(0, this, [this] { devolverFoco(); });
    const bool confirmado = exec() == QDialog::Accepted;
    doc_ = nullptr;
    return confirmado;
}

void TPageForm::done(int resultado) {
    terminarEdicao();
    if (resultado == QDialog::Accepted) aplicar();
    QDialog::done(resultado);
}

QLineEdit* TPageForm::edit(CampoLayout campo) const {
    for (std::size_t i = 0; i < edits_.size(); ++i)
        if (campos_[i] == campo) return edits_[i];
    return nullptr;
}

int TPageForm::indiceDoEdit(const QObject* objeto) const {
    for (std::size_t i = 0; i < edits_.size(); ++i)
        if (edits_[i] == objeto) return static_cast<int>(i);
    return -1;
}

// Metrics of the printer, or of the 180 dpi A4 page, in the layout's orientation.
void TPageForm::retomarMetricas() {
    const bool paisagem = layout_.orientacao == 1;
    metricas_ = impressora_.nome.isEmpty() || !impressora_.metricas
                    ? metricasSemImpressora(paisagem)
                    : impressora_.metricas(paisagem);
    papel_ = papelDasMetricas(metricas_);
}

void TPageForm::mostrarLayout() {
    const QString separador = QLocale().decimalPoint();
    const char decimal = separador == QStringLiteral(".") ? '.' : ',';
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i]->setText(
            QString::fromStdString(textoEditCm(campo(layout_, campos_[i]), decimal)));
        edits_[i]->setModified(false);
    }
    const int n = std::clamp(layout_.numColunas, 1, kMaxColunas);
    EditMc->setEnabled(n > 1);
    EditC1->setEnabled(n > 1);
    EditC2->setEnabled(n > 1);
    EditC3->setEnabled(n == 3);
    SpeedButton1->setChecked(n == 1);
    SpeedButton2->setChecked(n == 2);
    SpeedButton3->setChecked(n == 3);
    if (!edit(selecionado_)->isEnabled()) {
        selecionado_ = CampoLayout::MargemSuperior;
        devolverFoco();
    }
    LabelPapel->setText(QStringLiteral("Dimensões do papel: %1 x %2 mm%3")
                            .arg(metricas_.larguraPapelMm)
                            .arg(metricas_.alturaPapelMm)
                            .arg(QString::fromStdString(
                                nomePapel(metricas_.larguraPapelMm, metricas_.alturaPapelMm))));
}

void TPageForm::mostrarRotulos() {
    const bool temImpressora = !impressora_.nome.isEmpty();
    LabelImpressora->setText(QStringLiteral("Impressora: ") +
                             (temImpressora ? impressora_.nome : QStringLiteral("Indefinida")));
    auto dpi = [](double pxPorMm) { return static_cast<int>(pxPorMm * 25.4 + 0.5); };
    LabelResolucao->setText(temImpressora
                                ? QStringLiteral("Resolução: %1 x %2 pontos por polegada (DPI)")
                                      .arg(dpi(metricas_.pixelsPorMmX))
                                      .arg(dpi(metricas_.pixelsPorMmY))
                                : QString());
    BtnOptions->setEnabled(temImpressora);
}

int TPageForm::contagemPaginas() const {
    return doc_ ? std::max(1, doc_->pintura().sheet.PageCount) : 1;
}

void TPageForm::mostrarPaginas() {
    const int contagem = contagemPaginas();
    pagina_ = std::clamp(pagina_, 1, contagem);
    LabelPagina->setText(QStringLiteral("Mostrando página %1 de %2").arg(pagina_).arg(contagem));
    BtnUp->setEnabled(pagina_ > 1);
    BtnDn->setEnabled(pagina_ < contagem);
    ImagemPagina->update();
}

void TPageForm::devolverFoco() {
    if (isVisible()) edit(selecionado_)->setFocus();
}

}  // namespace trovale
