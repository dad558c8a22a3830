#include "ui/dialogs/yes_no_form.h"

#include "ui/dialogs/question_texts.h"
#include "ui/dialogs/screen_placement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace trovale {

TYesNoForm::TYesNoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("YesNoForm"));
    setWindowTitle(QStringLiteral(" Para decisão do usuário"));
    setModal(true);
    // No close box: the question is answered with one of its two buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    createControls();
}

void TYesNoForm::createControls() {
    const QFontMetrics metrics(font());
    const int space = metrics.height() / 2;

    auto* panelTexto = new QFrame(this);
    panelTexto->setObjectName(QStringLiteral("PanelTexto"));
    panelTexto->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panelTexto->setBackgroundRole(QPalette::Base);
    panelTexto->setAutoFillBackground(true);
    labelTexto_ = new QLabel(panelTexto);
    labelTexto_->setObjectName(QStringLiteral("LabelTexto"));
    labelTexto_->setTextFormat(Qt::PlainText);
    auto* block = new QHBoxLayout(panelTexto);
    block->setContentsMargins(metrics.averageCharWidth() * 2, space, metrics.averageCharWidth() * 2,
                              space);
    block->addStretch();
    block->addWidget(labelTexto_);
    block->addStretch();

    labelPergunta_ = new QLabel(this);
    labelPergunta_->setObjectName(QStringLiteral("LabelPergunta"));
    labelPergunta_->setTextFormat(Qt::PlainText);
    QFont bold = labelPergunta_->font();
    bold.setBold(true);
    labelPergunta_->setFont(bold);
    btnSim_ = new QPushButton(QStringLiteral("&Sim"), this);
    btnSim_->setObjectName(QStringLiteral("BtnSim"));
    btnNao_ = new QPushButton(QStringLiteral("&Não"), this);
    btnNao_->setObjectName(QStringLiteral("BtnNao"));
    connect(btnSim_, &QPushButton::clicked, this, [this] { answer(Resposta::Sim); });
    connect(btnNao_, &QPushButton::clicked, this, [this] { answer(Resposta::Nao); });

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(labelPergunta_);
    row->addSpacing(metrics.averageCharWidth() * 2);
    row->addWidget(btnSim_);
    row->addWidget(btnNao_);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(space, space, space, space);
    column->setSpacing(space);
    column->addWidget(panelTexto);
    column->addLayout(row);
}

void TYesNoForm::setPergunta(int tipo, const QString& argumento) {
    const QuestionText question = textosDaPergunta(tipo, argumento);
    QStringList lines;
    QString tip;
    for (const QString& line : question.linhas) {
        lines.append(fitLine(line));
        if (lines.last() != line) tip = line;
    }
    labelTexto_->setText(lines.join(QLatin1Char('\n')));
    labelTexto_->setToolTip(tip);
    labelTexto_->setAlignment(question.centrarPorLinha ? Qt::AlignHCenter
                                                       : Qt::AlignLeft | Qt::AlignVCenter);
    labelPergunta_->setText(question.pergunta);
    resposta_ = Resposta::Nao;
    adjustSize();
    centreOnScreen(*this);
    btnSim_->setDefault(true);
    btnSim_->setFocus();
}

// A long path must not push the window off the screen: it loses its middle instead and
// shows whole in the tooltip.
QString TYesNoForm::fitLine(const QString& line) const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return line;
    const int widest = screen->availableGeometry().width() * 3 / 4;
    return QFontMetrics(labelTexto_->font()).elidedText(line, Qt::ElideMiddle, widest);
}

void TYesNoForm::reject() {
    QApplication::beep();
}

void TYesNoForm::answer(Resposta resposta) {
    resposta_ = resposta;
    done(resposta == Resposta::Sim ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace trovale
