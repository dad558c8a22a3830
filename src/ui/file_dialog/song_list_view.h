#pragma once
// The song list: three columns whose widths keep their proportions, values cut with "..."
// where they do not fit, a letter key that jumps to the first row with that letter, and a box
// that shows it only with whole rows.

#include <QTreeWidget>
#include <array>
#include <functional>

namespace trovale {

class ColumnHeader;

class SongListView : public QTreeWidget {
    Q_OBJECT
  public:
    explicit SongListView(QWidget* parent = nullptr);

    ColumnHeader* cabecalho() const { return cabecalho_; }
    int alturaLinha() const;

    // Widths as fractions of the header's width, in display order.
    std::array<double, 3> fracoes() const { return fracoes_; }
    void setFracoes(const std::array<double, 3>& fracoes);

    // Row for a typed letter, or -1; set by the window, which knows the sort keys.
    std::function<int(QChar)> linhaDaLetra;

    // A text cut so that it fits `largura` pixels, ending in "..." when it was cut.
    static QString cortado(const QString& texto, const QFontMetrics& metricas, int largura);

  signals:
    void apagarPedido();

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void keyboardSearch(const QString& busca) override;
    // The viewport narrows when the scroll bar comes: the columns follow it.
    bool viewportEvent(QEvent* evento) override;

  private:
    void aplicarFracoes();
    void lerFracoes();

    ColumnHeader* cabecalho_;
    std::array<double, 3> fracoes_{0.3, 0.3, 0.4};
    bool aplicando_ = false;
};

// Holds the list at a height of whole rows; the minimum shows eight.
class WholeRowsBox : public QWidget {
  public:
    explicit WholeRowsBox(SongListView* lista, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  private:
    int alturaPara(int linhas) const;

    SongListView* lista_;
};

}  // namespace trovale
