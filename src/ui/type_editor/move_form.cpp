#include "ui/type_editor/move_form.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

#include "base/text_codec.h"
#include "catalogue/type_editing.h"
#include "catalogue/type_order.h"
#include "render/qt_text.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/help/help_form.h"

namespace trovale {

namespace {

const QColor kPrata(0xC0, 0xC0, 0xC0);

qint64 agoraMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string windows1252(const QString& texto) {
    return windows1252DeUtf8(texto.toStdString());
}

QPushButton* botao(const char* nome, const QString& texto, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QLatin1String(nome));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TMoveForm::TMoveForm(Catalogo& catalogo, Dialogs& dialogs, LembreteGravacao& lembrete,
                     QWidget* parent)
    : QDialog(parent),
      relogio(agoraMs),
      catalogo_(catalogo),
      dialogs_(dialogs),
      lembrete_(lembrete) {
    setWindowTitle(QStringLiteral(" Apresentação dos tipos de acorde"));
    rolagem_ = new QTimer(this);
    rolagem_->setInterval(kRolagemMs);
    createControls();
    connectControls();
}

void TMoveForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Use os botões para as tarefas específicas e o \"mouse\" "
                                       "para prender e mover qualquer item."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    principal->addWidget(Label1);

    LabelLista = new QLabel(QStringLiteral("Tipos de acorde (e separadores):"), this);
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    ListBox->setMinimumWidth(ListBox->fontMetrics().horizontalAdvance(qs(kSeparadorModelo)) * 3 /
                             2);
    ListBox->setMinimumHeight(ListBox->fontMetrics().height() * 24);
    LabelLista->setBuddy(ListBox);
    LabelDrag = new QLabel(this);
    LabelDrag->setObjectName(QStringLiteral("LabelDrag"));
    LabelDrag->setMinimumHeight(LabelDrag->fontMetrics().height());
    principal->addWidget(LabelLista);
    principal->addWidget(ListBox, 1);
    principal->addWidget(LabelDrag);

    LabelEdit = new QLabel(QStringLiteral("&Novo separador (sem traços):"), this);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setMaxLength(static_cast<int>(kMaxNomeTipo) - 4);
    LabelEdit->setBuddy(Edit);
    principal->addWidget(LabelEdit);
    principal->addWidget(Edit);

    auto* tarefas = new QHBoxLayout;
    BtnIncluir = botao("BtnIncluir", QStringLiteral("&Incluir no final"), this);
    BtnExcluir = botao("BtnExcluir", QStringLiteral("&Excluir separador"), this);
    tarefas->addWidget(BtnIncluir);
    tarefas->addWidget(BtnExcluir);
    principal->addLayout(tarefas);

    auto* rodape = new QHBoxLayout;
    BtnHelp = botao("BtnHelp", QStringLiteral("Aj&uda"), this);
    BtnOK = botao("BtnOK", QStringLiteral("&Confirmar"), this);
    BtnCancel = botao("BtnCancel", QStringLiteral("C&ancelar"), this);
    rodape->addWidget(BtnHelp);
    rodape->addStretch(1);
    rodape->addWidget(BtnOK);
    rodape->addWidget(BtnCancel);
    principal->addLayout(rodape);
}

void TMoveForm::connectControls() {
    ListBox->viewport()->installEventFilter(this);
    ListBox->installEventFilter(this);
    Edit->installEventFilter(this);
    connect(rolagem_, &QTimer::timeout, this, &TMoveForm::rolar);
    connect(Edit, &QLineEdit::textChanged, this, &TMoveForm::habilitar);
    connect(ListBox, &QListWidget::currentRowChanged, this, &TMoveForm::habilitar);
    connect(BtnIncluir, &QPushButton::clicked, this, &TMoveForm::incluirNoFinal);
    connect(BtnExcluir, &QPushButton::clicked, this, &TMoveForm::excluirSeparador);
    connect(BtnOK, &QPushButton::clicked, this, &TMoveForm::confirmar);
    connect(BtnCancel, &QPushButton::clicked, this, &TMoveForm::reject);
    connect(BtnHelp, &QPushButton::clicked, this, &TMoveForm::mostrarAjuda);
}

QListWidgetItem* TMoveForm::novoItem(const QString& texto) const {
    auto* item = new QListWidgetItem(texto);
    if (legendaDeSeparador(windows1252(texto))) item->setBackground(kPrata);
    return item;
}

void TMoveForm::preparar() {
    encerrarArrasto();
    ListBox->clear();
    const CatalogoTipos& tipos = catalogo_.tipos;
    for (int k = 0; k < tipos.NumEntradas(); ++k) {
        const int t = tipoDaEntrada(tipos, k);
        ListBox->addItem(novoItem(qs(t ? tipos.tipo(t).Nome : tipos.Legendas[k])));
    }
    ListBox->setCurrentRow(0);
    Edit->clear();
    BtnOK->setEnabled(false);
    habilitar();
    Edit->setFocus();
}

bool TMoveForm::abrir() {
    preparar();
    return exec() == QDialog::Accepted;
}

QStringList TMoveForm::itens() const {
    QStringList textos;
    for (int k = 0; k < ListBox->count(); ++k) textos << ListBox->item(k)->text();
    return textos;
}

QString TMoveForm::legendaDoEdit() const {
    const QFontMetrics medida = ListBox->fontMetrics();
    const auto largura = [&medida](const std::string& s) {
        return medida.horizontalAdvance(qs(s));
    };
    return qs(legendaSeparador(windows1252(Edit->text()), largura,
                               medida.horizontalAdvance(qs(kSeparadorModelo))));
}

void TMoveForm::habilitar() {
    BtnIncluir->setEnabled(!Edit->text().isEmpty());
    const QListWidgetItem* atual = ListBox->currentItem();
    BtnExcluir->setEnabled(atual && legendaDeSeparador(windows1252(atual->text())));
}

// The list holds no more entries than the file of types does.
bool TMoveForm::cabeMaisUm() {
    if (ListBox->count() < kMaxEntradas) return true;
    dialogs_.aviso(std::string(kMensagemLimiteEntradas));
    return false;
}

void TMoveForm::mudou(int linha) {
    ListBox->setCurrentRow(linha);
    QApplication::beep();
    BtnOK->setEnabled(true);
    habilitar();
}

void TMoveForm::incluirNoFinal() {
    if (Edit->text().isEmpty() || !cabeMaisUm()) return;
    ListBox->addItem(novoItem(legendaDoEdit()));
    ListBox->scrollToBottom();
    mudou(ListBox->count() - 1);
}

void TMoveForm::excluirSeparador() {
    const int linha = ListBox->currentRow();
    if (linha < 0 || !legendaDeSeparador(windows1252(ListBox->item(linha)->text()))) return;
    delete ListBox->takeItem(linha);
    mudou(std::min(linha, ListBox->count() - 1));
}

void TMoveForm::confirmar() {
    std::vector<std::string> legendas;
    for (const QString& texto : itens()) legendas.push_back(windows1252(texto));
    aplicarOrdem(catalogo_, legendas);
    lembrete_.lembrar(dialogs_);
    accept();
}

void TMoveForm::mostrarAjuda() {
    if (ajuda_) ajuda_->mostrarPagina(QStringLiteral("ordem_tipos.html"));
}

void TMoveForm::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1) {
        mostrarAjuda();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace trovale
