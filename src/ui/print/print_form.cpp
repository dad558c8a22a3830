#include "ui/print/print_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "document/page_list.h"

namespace trovale {

const QString TPrintForm::kPaginaAjuda = QStringLiteral("impressao.html");

namespace {

const QString kAjudaLista = QStringLiteral(
    "Na lista de páginas, use vírgulas ou espaços para separar os números, e traços para "
    "indicar faixas (ex: 1,3  5-8). Use ainda a lista se desejar imprimir em ordem reversa.");

QString semContagem(const QString& legenda) {
    const qsizetype parentese = legenda.indexOf(QStringLiteral(" ("));
    return parentese < 0 ? legenda : legenda.left(parentese);
}

}  // namespace

TPrintForm::TPrintForm(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TPrintForm"));
    setWindowTitle(QStringLiteral(" Confirmação e controle de impressão"));
    criarControles();
}

void TPrintForm::criarControles() {
    auto* impressora = new QGroupBox(QStringLiteral("Impressora"), this);
    auto* colunaImpressora = new QVBoxLayout(impressora);
    LabelPrinter = new QLabel(impressora);
    QFont negrito = LabelPrinter->font();
    negrito.setBold(true);
    LabelPrinter->setFont(negrito);
    LabelRes = new QLabel(impressora);
    colunaImpressora->addWidget(LabelPrinter);
    colunaImpressora->addWidget(LabelRes);

    auto* paginas = new QGroupBox(QStringLiteral("Páginas"), this);
    auto* grade = new QGridLayout(paginas);
    RBtodas = new QRadioButton(QStringLiteral("&Todas"), paginas);
    RBlista = new QRadioButton(QStringLiteral("&Lista:"), paginas);
    EditLista = new QLineEdit(paginas);
    EditLista->setObjectName(QStringLiteral("EditLista"));
    // Digits, blanks, commas and dashes; any other key is ignored.
    EditLista->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9 ,\\-]*")), EditLista));
    grade->addWidget(RBtodas, 0, 0, 1, 2);
    grade->addWidget(RBlista, 1, 0);
    grade->addWidget(EditLista, 1, 1);

    LabelHelp = new QLabel(kAjudaLista, this);
    LabelHelp->setWordWrap(true);
    LabelPrinting = new QLabel(this);
    Gauge = new QProgressBar(this);
    Gauge->setTextVisible(false);

    auto* botoes = new QDialogButtonBox(this);
    BtnOK = botoes->addButton(QStringLiteral("&Imprimir"), QDialogButtonBox::AcceptRole);
    BtnCancel = botoes->addButton(QStringLiteral("C&ancelar"), QDialogButtonBox::RejectRole);
    QPushButton* ajuda = botoes->addButton(QStringLiteral("Aj&uda"), QDialogButtonBox::HelpRole);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &TPrintForm::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TPrintForm::reject);
    connect(ajuda, &QPushButton::clicked, this, [this] { emit ajudaPedida(kPaginaAjuda); });
    connect(EditLista, &QLineEdit::textEdited, this, [this] { RBlista->setChecked(true); });
    connect(RBtodas, &QRadioButton::clicked, this,
            [this] { EditLista->setText(QString::fromStdString(listaTodas(totalPaginas_))); });

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(impressora);
    coluna->addWidget(paginas);
    coluna->addWidget(LabelHelp);
    coluna->addWidget(LabelPrinting);
    coluna->addWidget(Gauge);
    coluna->addStretch();
    coluna->addWidget(botoes);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

void TPrintForm::prepararParaMostrar() {
    RBtodas->setText(semContagem(RBtodas->text()) + QStringLiteral(" (%1)").arg(totalPaginas_));
    RBtodas->setChecked(true);
    EditLista->setText(QString::fromStdString(listaTodas(totalPaginas_)));
    RBlista->setVisible(totalPaginas_ > 1);
    EditLista->setVisible(totalPaginas_ > 1);
    BtnOK->setText(QStringLiteral("&Imprimir"));
    BtnOK->setEnabled(true);
    BtnCancel->setText(QStringLiteral("C&ancelar"));
    LabelPrinting->hide();
    Gauge->hide();
    LabelHelp->show();
}

int TPrintForm::imprimir(int totalPaginas, const QString& impressora, const PageMetrics& metricas,
                         Impressao impressao) {
    totalPaginas_ = std::max(1, totalPaginas);
    impressao_ = std::move(impressao);
    LabelPrinter->setText(impressora);
    const auto dpi = [](double porMm) { return static_cast<int>(porMm * 25.4 + 0.5); };
    LabelRes->setText(QStringLiteral("Resolução: %1 x %2 pontos por polegada (DPI)")
                          .arg(dpi(metricas.pixelsPorMmX))
                          .arg(dpi(metricas.pixelsPorMmY)));
    prepararParaMostrar();
    return exec();
}

// The list is always read from the edit, also with "Todas" checked.
void TPrintForm::BtnOKClick() {
    if (imprimindo_) return;
    const ListaPaginas lista = lerListaPaginas(EditLista->text().toStdString(), totalPaginas_);
    if (!lista.valida()) {
        dialogs_.aviso(lista.erro);
        EditLista->setFocus();
        return;
    }
    executar(lista.paginas);
    accept();
}

void TPrintForm::executar(const std::vector<int>& paginas) {
    imprimindo_ = true;
    abortar_ = false;
    BtnOK->setEnabled(false);
    BtnCancel->setText(QStringLiteral("&Abortar"));
    LabelHelp->hide();
    if (impressao_) impressao_(paginas, acompanhamento());
    QApplication::processEvents();
    imprimindo_ = false;
    prepararParaMostrar();
}

AcompanhamentoImpressao TPrintForm::acompanhamento() {
    AcompanhamentoImpressao a;
    a.aoComecarPagina = [this](int pagina, int altura) {
        LabelPrinting->setText(QStringLiteral("Imprimindo página %1").arg(pagina));
        LabelPrinting->show();
        Gauge->setRange(0, std::max(1, altura));
        Gauge->setValue(0);
        Gauge->show();
        QApplication::processEvents();
    };
    a.aoAvancar = [this](int feito) {
        Gauge->setValue(std::min(feito, Gauge->maximum()));
        QApplication::processEvents();
    };
    a.abortado = [this] { return abortar_; };
    return a;
}

// While printing, cancelling aborts the job instead of closing the window.
void TPrintForm::reject() {
    if (imprimindo_) {
        abortar_ = true;
        return;
    }
    QDialog::reject();
}

void TPrintForm::closeEvent(QCloseEvent* evento) {
    if (imprimindo_) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TPrintForm::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1) {
        emit ajudaPedida(kPaginaAjuda);
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace trovale
