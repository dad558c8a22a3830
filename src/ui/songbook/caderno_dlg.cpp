#include "ui/songbook/caderno_dlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/songbook.h"
#include "ui/common/dialog_button.h"

namespace trovale {

namespace {

constexpr int kCaminho = Qt::UserRole;

}  // namespace

TCadernoDlg::TCadernoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CadernoDlg"));
    setWindowTitle(QStringLiteral(" Caderno de cifras"));
    setModal(true);
    LabelTitulo = new QLabel(this);
    EditTitulo = new QLineEdit(this);
    EditTitulo->setObjectName(QStringLiteral("EditTitulo"));
    LabelTitulo->setBuddy(EditTitulo);
    auto* labelOrdem = new QLabel(QStringLiteral("&Ordem das músicas (arraste ou use os botões):"), this);
    ListaMusicas = new QListWidget(this);
    ListaMusicas->setObjectName(QStringLiteral("ListaMusicas"));
    ListaMusicas->setDragDropMode(QAbstractItemView::InternalMove);
    ListaMusicas->setDefaultDropAction(Qt::MoveAction);
    labelOrdem->setBuddy(ListaMusicas);
    BtnSubir = criarBotaoDeDialogo(this, "BtnSubir", QStringLiteral("Su&bir"));
    BtnDescer = criarBotaoDeDialogo(this, "BtnDescer", QStringLiteral("&Descer"));
    CheckAlfabetica =
        new QCheckBox(QStringLiteral("Em ordem &alfabética pelo título da música"), this);
    CheckAlfabetica->setObjectName(QStringLiteral("CheckAlfabetica"));
    BtnOK = criarBotaoDeDialogo(this, "BtnOK", QStringLiteral("&Confirmar"));
    BtnOK->setDefault(true);
    BtnCancel = criarBotaoDeDialogo(this, "BtnCancel", QStringLiteral("Ca&ncelar"));
    BtnHelp = criarBotaoDeDialogo(this, "BtnHelp", QStringLiteral("Aj&uda"));

    auto* lateral = new QVBoxLayout;
    lateral->addWidget(BtnSubir);
    lateral->addWidget(BtnDescer);
    lateral->addStretch();
    auto* meio = new QHBoxLayout;
    meio->addWidget(ListaMusicas, 1);
    meio->addLayout(lateral);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnOK);
    botoes->addWidget(BtnCancel);
    botoes->addWidget(BtnHelp);
    auto* tudo = new QVBoxLayout(this);
    tudo->addWidget(LabelTitulo);
    tudo->addWidget(EditTitulo);
    tudo->addSpacing(fontMetrics().height() / 2);
    tudo->addWidget(labelOrdem);
    tudo->addLayout(meio, 1);
    tudo->addWidget(CheckAlfabetica);
    tudo->addLayout(botoes);
    resize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 22);

    connect(BtnSubir, &QPushButton::clicked, this, [this] { mover(-1); });
    connect(BtnDescer, &QPushButton::clicked, this, [this] { mover(+1); });
    connect(ListaMusicas, &QListWidget::currentRowChanged, this, &TCadernoDlg::atualizarBotoes);
    connect(CheckAlfabetica, &QCheckBox::toggled, this, &TCadernoDlg::atualizarBotoes);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this,
            [this] { emit ajudaPedida(QStringLiteral("chordpro.html")); });
}

void TCadernoDlg::preparar(const QStringList& musicas) {
    LabelTitulo->setText(musicas.size() == 1
                             ? QStringLiteral("&Título do caderno (1 música):")
                             : QStringLiteral("&Título do caderno (%1 músicas):").arg(musicas.size()));
    EditTitulo->setText(QString::fromUtf8(kTituloCadernoPadrao));
    EditTitulo->selectAll();
    ListaMusicas->clear();
    for (const QString& musica : musicas) {
        auto* item = new QListWidgetItem(QFileInfo(musica).completeBaseName(), ListaMusicas);
        item->setData(kCaminho, musica);
        item->setToolTip(musica);
    }
    ListaMusicas->setCurrentRow(0);
    EditTitulo->setFocus();
    atualizarBotoes();
}

QString TCadernoDlg::titulo() const {
    const QString t = EditTitulo->text().trimmed();
    return t.isEmpty() ? QString::fromUtf8(kTituloCadernoPadrao) : t;
}

QStringList TCadernoDlg::musicas() const {
    QStringList lista;
    for (int i = 0; i < ListaMusicas->count(); ++i)
        lista << ListaMusicas->item(i)->data(kCaminho).toString();
    return lista;
}

bool TCadernoDlg::emOrdemAlfabetica() const {
    return CheckAlfabetica->isChecked();
}

void TCadernoDlg::mover(int passo) {
    const int de = ListaMusicas->currentRow(), para = de + passo;
    if (de < 0 || para < 0 || para >= ListaMusicas->count()) return;
    ListaMusicas->insertItem(para, ListaMusicas->takeItem(de));
    ListaMusicas->setCurrentRow(para);
}

// The order is the user's own unless the book sorts it.
void TCadernoDlg::atualizarBotoes() {
    const bool propria = !CheckAlfabetica->isChecked();
    const int linha = ListaMusicas->currentRow();
    ListaMusicas->setEnabled(propria);
    BtnSubir->setEnabled(propria && linha > 0);
    BtnDescer->setEnabled(propria && linha >= 0 && linha + 1 < ListaMusicas->count());
}

}  // namespace trovale
