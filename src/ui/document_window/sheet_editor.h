#pragma once
// Editing on the sheet: typing into a row, picking a chord, dragging it to another syllable,
// to the trash, the copy panel or the magnifier, dragging the sheet itself, and undoing.
// It works on the song of its window and has the window lay the sheet out again.

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <optional>

#include "document/sheet.h"
#include "document/sheet_editing.h"
#include "document/song_history.h"
#include "ui/document_window/chord_drag.h"

class QDropEvent;
class QKeyEvent;
class QMouseEvent;

namespace trovale {

class PainelAcordes;
class PainelCopia;
class SheetGrid;
class TImageForm;

class SheetEditor : public QObject {
    Q_OBJECT
  public:
    static const std::string kSemDigitacao;

    explicit SheetEditor(TImageForm& janela);

    void observar(SheetGrid* grade);
    void ligarPaineis(PainelAcordes* lixo, PainelCopia* copia, PainelAcordes* lupa);

    // Whether the row of linhaEditada() takes typing, or is only chosen by the keyboard.
    bool digitando() const { return editada_.linha >= 0 && editada_.digitando; }
    // The row being typed into: its song line, or -1; and the caret's character position.
    int linhaEditada() const { return editada_.linha; }
    int cursor() const { return editada_.cursor; }
    void editarLinha(int linhaCancao, int cursor);
    void encerrarEdicao();

    bool desfazer();
    bool refazer();
    void marcarSalvo() { historico_.markSaved(); }
    // A change made outside the sheet (the text editor) as one undo step.
    void registrarPasso(const SongState& antes);
    // The sheet was laid out again: the edited row is found anew.
    void aoDispor();
    // The window lost the user's attention: nothing stays picked.
    void soltarEscolha() { escolhido_.reset(); }

    // The operations the mouse starts, also for tests: a chord dropped at x of a row.
    bool soltarNaFolha(int coluna, int linha, int x, const AcordeArrastado& acorde);
    bool soltarNoLixo(const AcordeArrastado& acorde);
    void soltarNaCopia(const AcordeArrastado& acorde);
    void soltarNaLupa(const AcordeArrastado& acorde);
    // A label of the template window dropped on a row: the row takes that line kind. Only
    // text rows of the song take one, and a title or author never goes under a chord line.
    bool soltarElemento(int coluna, int linha, int tipo);
    // What a drag of the chord at x of a chord row would carry; nothing when none is there or
    // it belongs to the diagram list.
    std::optional<AcordeArrastado> acordeEm(int coluna, int linha, int x) const;
    // The right button sounds the chord under it, and each chord it passes over, in the song
    // and in the diagram list.
    void tocarAcordeEm(SheetGrid* grade, QPoint ponto);
    // A double click on a chord: the chord selection window on it, then the chord changed
    // here or everywhere. False when no chord stands there or nothing was chosen.
    bool escolherAcordeEm(int coluna, int linha, int x);
    // A double click on the copy panel: another chord for it, chosen in the same window.
    bool escolherParaCopia();
    quintptr identidade() const;

    // The chord of this song line and lyric column is painted grey (-1: none).
    void marcarArrastado(int linha, int coluna);

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    struct Edicao {
        int linha = -1;  // song line
        int cursor = 0;
        int xDesejado = -1;  // kept while moving up and down
        bool digitando = true;  // false: the row is only chosen, by the keyboard
    };
    struct Escolha {
        int coluna = 0;
        int linha = 0;
        AcordeArrastado acorde;
        QPoint ponto;
    };

    bool tecla(SheetGrid* grade, QKeyEvent* evento);
    // The keyboard without the mouse: arrows choose a text row, Enter types into it, Esc leaves.
    bool teclaSemDigitar(SheetGrid* grade, QKeyEvent* evento);
    void escolherPrimeiraLinha(SheetGrid* grade);
    void pressionar(SheetGrid* grade, QMouseEvent* evento);
    void mover(SheetGrid* grade, QMouseEvent* evento);
    bool aceitaSoltura(const QDropEvent* evento) const;
    void mudarTexto(std::string texto, int cursor);
    void moverVertical(int direcao);
    // Records the change from `antes` and lays the sheet out again.
    void concluir(const SongState& antes, int grupo = 0);
    // The row showing the song line, and of a wrapped line the piece holding `cursor`.
    std::optional<std::pair<int, int>> posicaoDaLinha(int linhaCancao, int cursor = 0) const;
    const SheetRow& linhaDaFolha(int coluna, int linha) const;
    // A drop on a piece of a wrapped line, seen as a drop on the whole line.
    void verComoLinhaInteira(DropSite& site, const SheetRow& pedaco) const;
    bool editavel(int coluna, int linha) const;
    void mostrarCursor();

    TImageForm& janela_;
    SongHistory historico_;
    Edicao editada_;
    std::optional<Escolha> escolhido_;
    // A chord the right button is over: where it stands (song line and column, or for the
    // diagram list -2 - its sheet row and its place in the row) and what sounds.
    struct AcordeOuvido {
        std::pair<int, int> onde;
        std::string simbolo;
        std::string digitacao;
        std::string tipo;
    };
    std::optional<AcordeOuvido> acordeParaOuvir(int coluna, int linha, int x) const;
    std::optional<std::pair<int, int>> tocado_;  // where the chord heard stands
    QPoint inicioArrasto_;
    int deslocInicialY_ = 0;
    int deslocInicialX_ = 0;
    bool arrastandoFolha_ = false;
    QElapsedTimer ultimaTecla_;
    PainelCopia* copia_ = nullptr;
};

}  // namespace trovale
