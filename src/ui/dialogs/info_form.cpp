#include "ui/dialogs/info_form.h"

#include "ui/dialogs/screen_placement.h"
#include "ui/dialogs/wrapped_text_box.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace trovale {

namespace {

// Pixels the window adds around the text box, both sides together.
constexpr int kWindowMargin = 12;
// Step by which a text of several lines is narrowed to balance its lines.
constexpr int kBalanceStep = 32;

const char* const kDica =
    "Depois de ler o aviso, tecle Enter ou Esc, ou aperte o botão ao lado com o mouse";
// The hint wraps after this part, two short lines beside the button.
const char* const kDicaPrimeiraLinha = "Depois de ler o aviso, tecle Enter ou Esc,";

}  // namespace

TInfoForm::TInfoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral(" Trovale - Aviso"));
    setModal(true);
    createControls();
}

void TInfoForm::createControls() {
    memoTexto_ = new WrappedTextBox(this);
    memoTexto_->setObjectName(QStringLiteral("MemoTexto"));
    connect(memoTexto_, &WrappedTextBox::clicked, this, [this] { btnOK_->setFocus(); });

    panelBotoes_ = new QWidget(this);
    panelBotoes_->setObjectName(QStringLiteral("PanelBotoes"));
    labelDica_ = new QLabel(QString::fromUtf8(kDica), panelBotoes_);
    labelDica_->setObjectName(QStringLiteral("LabelDica"));
    labelDica_->setWordWrap(true);
    QFont small = labelDica_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    labelDica_->setFont(small);
    const int hintWidth =
        QFontMetrics(small).horizontalAdvance(QString::fromUtf8(kDicaPrimeiraLinha)) + 2;
    labelDica_->setFixedSize(hintWidth, labelDica_->heightForWidth(hintWidth));
    labelDica_->setForegroundRole(QPalette::PlaceholderText);

    btnOK_ = new QPushButton(QStringLiteral("&OK"), panelBotoes_);
    btnOK_->setObjectName(QStringLiteral("BtnOK"));
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout(panelBotoes_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(labelDica_);
    row->addSpacing(QFontMetrics(font()).averageCharWidth() * 2);
    row->addWidget(btnOK_, 0, Qt::AlignVCenter);
    panelBotoes_->resize(panelBotoes_->sizeHint());
}

void TInfoForm::setTexto(const QString& texto) {
    memoTexto_->setText(texto);
    fitToText();
    centreOnScreen(*this);
    btnOK_->setFocus();
}

QString TInfoForm::texto() const {
    return memoTexto_->text();
}

void TInfoForm::reject() {
    accept();
}

// The window is as wide as the text on one line, within the limits that the button panel
// sets; a text of several lines is then narrowed in steps, while it keeps its number of
// lines, so that its lines come out of even length.
void TInfoForm::fitToText() {
    const int panelWidth = panelBotoes_->width();
    const int margins = memoTexto_->horizontalMargins();
    const int minWidth = panelWidth + 10;
    const int maxWidth = panelWidth * 5 / 3;

    int width = memoTexto_->naturalWidth() + margins + kWindowMargin;
    width = std::min(std::max(width, minWidth), maxWidth);
    int content = width - kWindowMargin - margins;
    const int lines = memoTexto_->lineCountAt(content);
    if (lines >= 2) {
        const int minContent = minWidth - kWindowMargin - margins;
        while (content - kBalanceStep >= minContent &&
               memoTexto_->lineCountAt(content - kBalanceStep) == lines)
            content -= kBalanceStep;
    }
    width = std::max(content + margins + kWindowMargin, minWidth);
    if ((width - panelWidth) % 2 != 0) ++width;  // both centre on the same axis

    // A single line sits in the middle of a box two lines high.
    const QFontMetrics metrics(memoTexto_->font());
    const int boxHeight =
        std::max(lines, 2) * metrics.lineSpacing() + memoTexto_->verticalMargins();
    const int edge = kWindowMargin / 2;
    const int gap = metrics.height() / 2;
    memoTexto_->setGeometry(edge, edge, width - kWindowMargin, boxHeight);
    panelBotoes_->move((width - panelWidth) / 2, edge + boxHeight + gap);
    setFixedSize(width, panelBotoes_->y() + panelBotoes_->height() + gap);
}

}  // namespace trovale
