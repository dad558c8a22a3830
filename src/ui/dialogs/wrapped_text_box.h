#pragma once
// A framed, read-only block of text wrapped to its width. Measuring and painting share one
// line-breaking routine, so the size a window computes for a text is the size it draws.

#include <QFrame>
#include <QMargins>
#include <QString>
#include <QStringList>

namespace trovale {

class WrappedTextBox : public QFrame {
    Q_OBJECT
  public:
    explicit WrappedTextBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }

    // Space between the frame and the text.
    void setPadding(const QMargins& padding);

    // At most this many lines are drawn; a longer text ends in an ellipsis. 0 = no limit.
    void setMaxLines(int lines);

    // The text broken into lines for a given width of the text area (margins excluded).
    QStringList linesAt(int contentWidth) const;
    int lineCountAt(int contentWidth) const {
        return static_cast<int>(linesAt(contentWidth).size());
    }
    // Width of the text area that holds the whole text on one line.
    int naturalWidth() const;
    // Frame plus inner margins, both sides together.
    int horizontalMargins() const;
    int verticalMargins() const;
    // The lines as they are drawn at the box's current size.
    QStringList shownLines() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRect textArea() const;

    QString text_;
    QMargins padding_;
    int maxLines_ = 0;
};

}  // namespace trovale
