#pragma once
// The text-mode editor's text: a fixed-pitch grid where chords are typed over the lyrics.
// It overwrites in correction mode, and a click past the end of a line stretches the line
// with blanks up to the click, so that a chord can be placed anywhere.

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

namespace trovale {

inline constexpr int kMaxColunaClique = 255;

class TextGrid : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit TextGrid(QWidget* parent = nullptr);

    bool modoCorrecao() const { return correcao_; }
    void setModoCorrecao(bool correcao);

    // Keys the window's menu answers, which the text would otherwise take (Ctrl+A).
    void setAtalhosDaJanela(QList<QKeySequence> atalhos) { atalhos_ = std::move(atalhos); }

    // The 0-based column of a viewport x: the offset from the text's left edge divided by
    // the width of "a", at most 255.
    int colunaEm(int x) const;
    // Pads the line under the point with blanks up to its column; the text does not count as
    // modified by it. False when the point is not past the end of a line.
    bool estenderLinhaAte(const QPoint& ponto);

  signals:
    void modoMudou(bool correcao);
    void confirmacaoPedida();  // Ctrl+Enter

  protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void insertFromMimeData(const QMimeData* origem) override;

  private:
    bool sobrescrever(const QString& texto);

    bool correcao_ = false;
    QList<QKeySequence> atalhos_;
};

// Control characters become blanks, so that every character takes one column.
QString semControles(QString texto);

}  // namespace trovale
