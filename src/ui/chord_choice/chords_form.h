#pragma once
// TChordsForm, the fingering browser: the catalogued fingerings of one chord as diagrams,
// one of which "&Selecionar" (or a double click) picks for a song's chord, while
// "&Indefinir" leaves the fingering undefined. The symbol the user typed is checked against
// the pick.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "render/appearance.h"
#include "ui/chord_choice/chord_grid.h"
#include "ui/chord_choice/fingering_list.h"
#include "ui/chord_choice/symbol_check.h"

class QLabel;
class QPushButton;

namespace trovale {

class THelpForm;
class SomDeAcordes;
class JanelaAoLado;

class TChordsForm : public QDialog {
    Q_OBJECT
  public:
    // How the window that opened the browser takes a pick.
    struct Escolha {
        bool podeEscolher = true;
        // The chord selection window: "&Fechar" instead of "&Indefinir" when it cannot
        // choose, and a bass mismatch asks to correct the symbol instead of refusing the pick.
        bool janelaDeSelecao = false;
        // The root and type may not change, only the fingering.
        bool soDigitacao = false;
        // The symbol in force (Windows-1252), or nothing when none is to be checked.
        std::function<std::optional<std::string>()> cifraEmVigor;
        // Writes a corrected symbol back where it was typed.
        std::function<void(const std::string&)> acertarCifra;
        // "0" or the picked fingering's code, and the checked symbol when there was one.
        // Returns false when the pick cannot close the choice.
        std::function<bool(const std::string& codigo, const CifraConferida* cifra)> aoEscolher;
        // The grid gave up the keyboard (Esc).
        std::function<void()> aoEscape;
    };

    TChordsForm(const Catalogo& catalogo, const Aparencia& aparencia, Dialogs& dialogs,
                QWidget* parent = nullptr);

    // Builds the list for the chord and selects the entry that sounds like `digitacaoAtual`
    // (the three numbers of a song's fingering, or "0"), else the first.
    void mostrarAcorde(const std::string& raiz, int tipo, const std::string& digitacaoAtual,
                       Escolha escolha);
    // For the text check window: `aoEscolher` gets "0" or the picked fingering's code.
    void mostrarParaCifra(const std::string& raiz, int tipo, const std::string& digitacaoAtual,
                          std::function<std::optional<std::string>()> cifraEmVigor,
                          std::function<void(const std::string& codigo)> aoEscolher);

    // Beside the fingering editor: the chord's catalogued fingerings to reorder, delete and
    // write back with "&Atualizar", which hands the list and the count it was built from.
    using Atualizacao = std::function<void(const ListaDeDigitacoes& lista, int catalogadas)>;
    void mostrarParaEditor(const std::string& raiz, int tipo, bool selecionarUltima,
                           Atualizacao aoAtualizar);
    // The versions of a transposed fingering on the generic chord "X", shown modally;
    // "&Catalogar" hands them over.
    void mostrarTransposicoes(ListaDeDigitacoes versoes,
                              std::function<void(const ListaDeDigitacoes&)> aoCatalogar);
    // Reordered or deleted fingerings not yet written back.
    bool atualizacaoPendente() const;
    // The window the browser stands beside while it is up; only a window it belongs to is
    // usable beside a modal one.
    void pertencerA(QWidget* dono);
    // Entry k (1-based) leaves the list; `de` moves to cell `para`.
    void excluirEntrada(int k);
    void moverEntrada(int de, int para);

    // Places the window beside another, to its right or, without room, to its left; with room
    // on neither side the other moves over to make it.
    void posicionarAoLado(QWidget& vizinha);

    // The style of symbol drawn above the grid: the standard or the optional one.
    void setCifraOpcional(bool opcional);
    void setAjuda(THelpForm* ajuda) { ajuda_ = ajuda; }
    // The program's sound: the right button on a diagram sounds it.
    void setSom(SomDeAcordes* som) { som_ = som; }
    // Shown beside its owner, or about to be once the owner is on screen.
    bool emVista() const;

    const ListaDeDigitacoes& lista() const { return lista_; }
    // Whether the list holds the fingering the caller had, now selected.
    bool temPreselecionada() const { return preselecionada_; }
    ChordGrid& grade() { return *DrawGrid; }
    // Picks entry k (1-based); 0 is "&Indefinir".
    void escolherEntrada(int k);

    QWidget* ImageCifra;
    ChordGrid* DrawGrid;
    QLabel* LabelHelp;
    QPushButton *BtnOK, *BtnCancel;

  signals:
    void ocultada();

  protected:
    void hideEvent(QHideEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void changeEvent(QEvent* evento) override;

  private:
    enum class Modo { Escolha, Editor, Transposicoes };
    void createControls();
    void mostrarLista(Modo modo);
    void confirmar();
    void preselecionar(const std::string& digitacaoAtual);
    void cancelar();
    void pintarNome(QPainter& p, const QRect& caixa);
    friend class NomeDoAcorde;

    const Catalogo& catalogo_;
    const Aparencia& aparencia_;
    Dialogs& dialogs_;
    THelpForm* ajuda_ = nullptr;
    SomDeAcordes* som_ = nullptr;
    JanelaAoLado* aoLado_ = nullptr;
    ListaDeDigitacoes lista_;
    Escolha escolha_;
    Modo modo_ = Modo::Escolha;
    Atualizacao aoAtualizar_;
    std::function<void(const ListaDeDigitacoes&)> aoCatalogar_;
    bool cifraOpcional_ = false;
    bool preselecionada_ = false;
};

}  // namespace trovale
