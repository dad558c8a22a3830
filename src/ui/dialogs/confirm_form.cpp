#include "ui/dialogs/confirm_form.h"

#include "ui/dialogs/screen_placement.h"
#include "ui/dialogs/wrapped_text_box.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace trovale {

TConfirmForm::TConfirmForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ConfirmForm"));
    setWindowTitle(QStringLiteral(" Abandonando modificações "));
    setModal(true);
    createControls();
}

QLayout* TConfirmForm::createHeader() {
    auto* labelMarca = new QLabel(QStringLiteral("!"), this);
    labelMarca->setObjectName(QStringLiteral("LabelMarca"));
    QFont big = labelMarca->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 3);
    labelMarca->setFont(big);
    QPalette red = labelMarca->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    labelMarca->setPalette(red);

    auto* labelAtencao = new QLabel(QStringLiteral("ATENÇÃO!"), this);
    labelAtencao->setObjectName(QStringLiteral("LabelAtencao"));
    QFont heading = labelAtencao->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    labelAtencao->setFont(heading);

    auto* header = new QHBoxLayout;
    header->addStretch();
    header->addWidget(labelMarca);
    header->addSpacing(QFontMetrics(font()).averageCharWidth() * 2);
    header->addWidget(labelAtencao);
    header->addStretch();
    return header;
}

void TConfirmForm::createControls() {
    const QFontMetrics metrics(font());
    const int halfText = metrics.height() / 2;

    labelAviso_ = new QLabel(
        QStringLiteral("Fechando documento referido sem gravar modificações feitas."), this);
    labelAviso_->setObjectName(QStringLiteral("LabelAviso"));
    labelAviso_->setAlignment(Qt::AlignHCenter);

    boxTitulo_ = new WrappedTextBox(this);
    boxTitulo_->setObjectName(QStringLiteral("BoxTitulo"));
    boxTitulo_->setFrameStyle(QFrame::NoFrame);
    boxTitulo_->setAutoFillBackground(false);
    boxTitulo_->setPadding(QMargins());
    boxTitulo_->setMaxLines(2);
    QFont bold = boxTitulo_->font();
    bold.setBold(true);
    boxTitulo_->setFont(bold);

    auto* labelPergunta = new QLabel(QStringLiteral("Quer gravá-las anter de sair ?"), this);
    labelPergunta->setObjectName(QStringLiteral("LabelPergunta"));
    labelPergunta->setAlignment(Qt::AlignHCenter);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(metrics.averageCharWidth() * 3, halfText,
                               metrics.averageCharWidth() * 3, halfText * 2);
    column->setSpacing(halfText);
    column->addLayout(createHeader());
    column->addWidget(labelAviso_);
    column->addWidget(boxTitulo_);
    column->addWidget(labelPergunta);
    column->addLayout(createButtons(halfText));
}

// "Sim" and "Não" side by side, "Cancelar fechamento" below them, as wide as the pair.
QLayout* TConfirmForm::createButtons(int rowGap) {
    btnSim_ = new QPushButton(QStringLiteral("&Sim"), this);
    btnSim_->setObjectName(QStringLiteral("BtnSim"));
    btnNao_ = new QPushButton(QStringLiteral("&Não"), this);
    btnNao_->setObjectName(QStringLiteral("BtnNao"));
    btnCancelar_ = new QPushButton(QStringLiteral("C&ancelar fechamento"), this);
    btnCancelar_->setObjectName(QStringLiteral("BtnCancelar"));
    connect(btnSim_, &QPushButton::clicked, this, [this] { answer(Resposta::Sim); });
    connect(btnNao_, &QPushButton::clicked, this, [this] { answer(Resposta::Nao); });
    connect(btnCancelar_, &QPushButton::clicked, this, [this] { answer(Resposta::Cancelar); });

    const int spacing = QFontMetrics(font()).averageCharWidth();
    const int half = std::max({btnSim_->sizeHint().width(), btnNao_->sizeHint().width(),
                               (btnCancelar_->sizeHint().width() - spacing + 1) / 2});
    btnSim_->setFixedWidth(half);
    btnNao_->setFixedWidth(half);
    btnCancelar_->setFixedWidth(2 * half + spacing);

    auto* answers = new QHBoxLayout;
    answers->setSpacing(spacing);
    answers->addStretch();
    answers->addWidget(btnSim_);
    answers->addWidget(btnNao_);
    answers->addStretch();
    auto* cancel = new QHBoxLayout;
    cancel->addStretch();
    cancel->addWidget(btnCancelar_);
    cancel->addStretch();
    auto* rows = new QVBoxLayout;
    rows->setSpacing(rowGap);
    rows->addLayout(answers);
    rows->addLayout(cancel);
    return rows;
}

void TConfirmForm::setTitulo(const QString& titulo) {
    boxTitulo_->setText(titulo);
    // The title's place is as wide as the line above it; a wider title takes two lines.
    const int place = labelAviso_->sizeHint().width();
    const int lines = boxTitulo_->naturalWidth() > place ? 2 : 1;
    const QFontMetrics metrics(boxTitulo_->font());
    boxTitulo_->setFixedSize(place, lines * metrics.lineSpacing());
    resposta_ = Resposta::Cancelar;
    adjustSize();
    centreOnScreen(*this);
    btnSim_->setDefault(true);
    btnSim_->setFocus();
}

QString TConfirmForm::titulo() const {
    return boxTitulo_->text();
}

void TConfirmForm::reject() {
    answer(Resposta::Cancelar);
}

void TConfirmForm::answer(Resposta resposta) {
    resposta_ = resposta;
    done(resposta == Resposta::Cancelar ? QDialog::Rejected : QDialog::Accepted);
}

}  // namespace trovale
