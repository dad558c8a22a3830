#include "ui/dialogs/wrapped_text_box.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace trovale {

namespace {

// Line feeds in a message are forced breaks; the layout only knows the Unicode separator.
QString layoutText(const QString& text) {
    QString result = text;
    result.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return result;
}

QString withoutBreaks(QString line) {
    line.remove(QChar::LineSeparator);
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    return line;
}

}  // namespace

WrappedTextBox::WrappedTextBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setForegroundRole(QPalette::Mid);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    const QFontMetrics metrics(font());
    const int side = metrics.averageCharWidth() * 2;
    const int top = metrics.height() / 3;
    padding_ = QMargins(side, top, side, top);
}

void WrappedTextBox::setPadding(const QMargins& padding) {
    padding_ = padding;
    update();
}

QRect WrappedTextBox::textArea() const {
    return contentsRect().marginsRemoved(padding_);
}

void WrappedTextBox::setText(const QString& text) {
    text_ = text;
    update();
}

void WrappedTextBox::setMaxLines(int lines) {
    maxLines_ = lines;
    update();
}

QStringList WrappedTextBox::linesAt(int contentWidth) const {
    const QString text = layoutText(text_);
    QTextLayout layout(text, font(), const_cast<WrappedTextBox*>(this));
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(contentWidth);
        lines.append(withoutBreaks(text.mid(line.textStart(), line.textLength())));
    }
    layout.endLayout();
    return lines;
}

int WrappedTextBox::naturalWidth() const {
    QTextLayout layout(layoutText(text_), font(), const_cast<WrappedTextBox*>(this));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    qreal widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(1e6);
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(widest));
}

int WrappedTextBox::horizontalMargins() const {
    return width() - contentsRect().width() + padding_.left() + padding_.right();
}

int WrappedTextBox::verticalMargins() const {
    return height() - contentsRect().height() + padding_.top() + padding_.bottom();
}

QStringList WrappedTextBox::shownLines() const {
    const int width = textArea().width();
    QStringList lines = linesAt(width);
    if (maxLines_ > 0 && lines.size() > maxLines_) {
        // The last shown line takes the rest of the text, cut to fit.
        QString rest = lines.mid(maxLines_ - 1).join(QLatin1Char(' '));
        lines = lines.mid(0, maxLines_ - 1);
        lines.append(QFontMetrics(font(), this).elidedText(rest, Qt::ElideRight, width));
    }
    return lines;
}

void WrappedTextBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetrics metrics(font(), this);
    const QRect area = textArea();
    const QStringList lines = shownLines();
    const int total = static_cast<int>(lines.size()) * metrics.lineSpacing();
    int y = area.top() + std::max(0, (area.height() - total) / 2);
    for (const QString& line : lines) {
        const QRect row(area.left(), y, area.width(), metrics.lineSpacing());
        painter.drawText(row, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, line);
        y += metrics.lineSpacing();
    }
}

void WrappedTextBox::mousePressEvent(QMouseEvent* event) {
    emit clicked();
    event->accept();
}

}  // namespace trovale
