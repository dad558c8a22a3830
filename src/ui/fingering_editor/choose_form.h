#pragma once
// TChooseForm: the names a fingering may take, up to five chords with their other spelling,
// from which the fingering editor takes the chord to link.

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/type_catalogue.h"
#include "fingering/identification.h"

class QLabel;
class QPushButton;

namespace trovale {

class THelpForm;

struct Escolhida {
    int tipo = 0;
    std::string raiz;  // the candidate's spelling, or its other one from "Equivalente"
};

struct LadoALado {
    QPoint editor;  // frame positions
    QPoint janela;
};

// The window at the editor's top, to its right; without room both centred side by side;
// when not even that fits, the editor pushed left (never past the screen's left edge) and
// the window just right of the fretboard (global coordinates), over the editor's panel.
LadoALado posicaoDasOpcoes(const QRect& area, const QRect& editor, const QSize& janela,
                           const QRect& braco);

// DrawGrid: a header row and one row per candidate; the symbol, its other spelling and the
// omission. Cells are (row, column); only symbols can be selected.
class GradeDeOpcoes : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kColunas = 3;
    static constexpr int kLinhas = 6;

    explicit GradeDeOpcoes(QWidget* parent = nullptr);

    void mostrar(const Identification& identificacao, const CatalogoTipos& tipos,
                 bool cifraOpcional);
    bool selecionavel(int linha, int coluna) const;
    bool selecionar(int linha, int coluna);
    std::optional<Escolhida> escolha() const;

    QRect retanguloCelula(int linha, int coluna) const;
    // The words of a cell: the header, the symbols as one line of text, the omissions.
    QString texto(int linha, int coluna) const;

  signals:
    void ativada();  // double click on a selectable cell

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    struct Opcao {
        ChordCandidate candidato;
        ElementosCifra cifra;
    };
    double escala() const;
    int largura(int coluna) const;
    int altura(int linha) const;
    std::pair<int, int> celulaEm(QPoint ponto) const;
    void desenharCelula(QPainter& p, int linha, int coluna);
    void desenharCifra(QPainter& p, const Opcao& o, int coluna, const QRect& r);

    std::vector<Opcao> opcoes_;
    bool cifraOpcional_ = false;
    int linha_ = 0, coluna_ = 0;
};

class TChooseForm : public QDialog {
    Q_OBJECT
  public:
    explicit TChooseForm(QWidget* parent = nullptr);

    // Shows the candidates modally beside the editor; `braco` is the fretboard picture in
    // the editor's coordinates. Nothing on "C&ancelar".
    std::optional<Escolhida> escolher(const Identification& identificacao,
                                      const CatalogoTipos& tipos, bool cifraOpcional,
                                      QWidget& editor, const QRect& braco);
    // escolher() in pieces, for callers that run their own event loop.
    void preparar(const Identification& identificacao, const CatalogoTipos& tipos,
                  bool cifraOpcional);
    void posicionar(QWidget& editor, const QRect& braco);
    const std::optional<Escolhida>& resultado() const { return resultado_; }

    void setAjuda(THelpForm* ajuda);

    GradeDeOpcoes* DrawGrid;
    QLabel *LabelHelp, *LabelRed;
    QPushButton *BtnOK, *BtnCancel, *BtnHelp;

  protected:
    void showEvent(QShowEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

  private:
    void createControls();
    void confirmar();
    void abrirAjuda();

    THelpForm* ajuda_ = nullptr;
    std::optional<Escolhida> resultado_;
    QPointer<QWidget> editor_;
    QRect braco_;
    bool aEnquadrar_ = false;  // shown, and not framed yet
};

}  // namespace trovale
