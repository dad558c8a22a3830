#pragma once
// The chord type editor's symbol grid: four positions in columns, superscript, aligned and
// subscript texts in rows, under a title row and a title column. Texts are typed, dragged
// in from the interval list or dragged from one cell to another.

#include <QString>
#include <QTableWidget>

#include "base/dialogs.h"
#include "catalogue/type_editing.h"

class QMimeData;

namespace trovale {

inline const QString kMimeIntervalo = QStringLiteral("application/x-trovale-intervalo");
inline const QString kMimeCelulaCifra = QStringLiteral("application/x-trovale-celula-cifra");

// An interval dragged from the list: its name, as written in symbols.
QMimeData* mimeDoIntervalo(int codigo);
// A cell dragged within the grid.
QMimeData* mimeDaCelula(int linha, int coluna);

class SymbolGrid : public QTableWidget {
    Q_OBJECT
  public:
    // Grid rows and columns: row 0 and column 0 hold the titles.
    static constexpr int kLinhas = 1 + kLinhasGrade;
    static constexpr int kColunas = 1 + kPosicoesCifra;

    SymbolGrid(Dialogs& dialogs, QWidget* parent = nullptr);

    void setGrade(const GradeCifra& grade);
    GradeCifra grade() const;
    // A character typed into cell (linha, coluna) whose text would keep `comprimento`
    // characters: false when it is refused, after saying why where there is something to say.
    bool aceitaTecla(int linha, int coluna, int comprimento, QChar tecla);

  signals:
    void mudou();

  protected:
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

  private:
    void criarTitulos();
    bool soltar(const QMimeData& mime, int linha, int coluna);
    void escrever(int linha, int coluna, const QString& texto);

    Dialogs& dialogs_;
    QPoint inicioArrasto_;
    int linhaArrasto_ = -1, colunaArrasto_ = -1;
};

}  // namespace trovale
