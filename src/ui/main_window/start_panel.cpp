#include "ui/main_window/start_panel.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>

#include "ui/common/tool_button.h"
#include "ui/main_window/start_picture.h"

namespace trovale {

namespace {

constexpr int kMargemVersao = 8;

}  // namespace

PainelInicial::PainelInicial(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PanelPrinc"));
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, QColor(0x4A, 0x43, 0x3F));
    setPalette(fundo);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(QWidget::palette());
    auto* linha = new QHBoxLayout(Panel1);
    linha->setContentsMargins(4, 3, 4, 3);
    linha->setSpacing(2);
    BtnNew = criarBotaoFerramenta(Panel1, "BtnNew", QStringLiteral("Documento novo (criar)"),
                                  IconeFerramenta::Novo);
    BtnOpen = criarBotaoFerramenta(Panel1, "BtnOpen", QStringLiteral("Abrir documento (arquivo)"),
                                   IconeFerramenta::Abrir);
    BtnAcorde = criarBotaoFerramenta(Panel1, "BtnAcorde",
                                     QStringLiteral("Consultar banco de acordes e digitações"),
                                     IconeFerramenta::Acorde);
    for (QToolButton* botao : {BtnNew, BtnOpen, BtnAcorde}) linha->addWidget(botao);
    linha->addStretch();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    LabelVersao = new QLabel(QStringLiteral("Versão 2.04"), Image1);
    LabelVersao->setObjectName(QStringLiteral("LabelVersao"));
    LabelVersao->setStyleSheet(QStringLiteral("color: #F4E6C8; font-weight: bold;"));
    carregarFigura();
}

void PainelInicial::ligarBotoes(QAction* novo, QAction* abrir, QAction* acorde) {
    seguirItem(BtnNew, novo);
    seguirItem(BtnOpen, abrir);
    seguirItem(BtnAcorde, acorde);
}

void PainelInicial::mostrarFigura() {
    Image1->show();
    LabelVersao->show();
}

void PainelInicial::carregarFigura() {
    escalaFigura_ = devicePixelRatioF();
    Image1->setPixmap(desenharFiguraInicial(escalaFigura_));
    Image1->resize(kTamanhoFiguraInicial);
    LabelVersao->adjustSize();
    LabelVersao->move(kTamanhoFiguraInicial.width() - LabelVersao->width() - kMargemVersao,
                      kTamanhoFiguraInicial.height() - LabelVersao->height() - kMargemVersao);
}

// The picture is centred in the whole client area, as if the tool panel were not there.
void PainelInicial::posicionar() {
    Panel1->setGeometry(0, 0, width(), Panel1->sizeHint().height());
    const QSize livre = size() - kTamanhoFiguraInicial;
    Image1->move(std::max(0, livre.width() / 2), std::max(Panel1->height(), livre.height() / 2));
}

void PainelInicial::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    posicionar();
}

// The screen is known only once the window is shown; the picture is painted for its density.
void PainelInicial::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (devicePixelRatioF() != escalaFigura_) carregarFigura();
}

}  // namespace trovale
