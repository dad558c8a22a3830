#pragma once
// Including, altering and deleting chord types: the interval list and its exclusions, the
// symbol grid, the checks a confirmed type must pass and what each task does to the
// catalogue. Messages go through Dialogs (UTF-8); names and symbols are Windows-1252.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "catalogue/intervals.h"

namespace trovale {

// The intervals ticked in the editor's list, by code. The list may hold more than a type
// takes: the count is checked on confirmation.
using SelecaoIntervalos = std::array<bool, kMaxCodigoIntervalo + 1>;

SelecaoIntervalos selecaoDe(const IntervalosTipo& intervalos);
int contarSelecionados(const SelecaoIntervalos& selecao);
// The first five ticked codes in table order, then zeros, as types store them.
IntervalosTipo intervalosDe(const SelecaoIntervalos& selecao);
// Ticks or unticks `codigo`; a tick unticks the intervals that cannot sound with it.
void alternarIntervalo(SelecaoIntervalos& selecao, int codigo);

// The record being edited.
struct TipoEmEdicao {
    SelecaoIntervalos intervalos{};
    std::string nome;
    ElementosCifra cifraPadrao;
    ElementosCifra cifraOpcional;
};
TipoEmEdicao emEdicao(const TTipoAcorde& tipo);

// The symbol grid: [column 0..3][row], the rows as below; texts without their marks.
enum LinhaGrade { kLinhaSobrescrito = 0, kLinhaAlinhado = 1, kLinhaSubscrito = 2 };
inline constexpr int kLinhasGrade = 3;
inline constexpr int kMaxTextoCelula = 4;
using GradeCifra = std::array<std::array<std::string, kLinhasGrade>, kPosicoesCifra>;

GradeCifra gradeDaCifra(const ElementosCifra& elementos);
ElementosCifra cifraDaGrade(const GradeCifra& grade);
// An aligned text never shares its column with a superscript or a subscript.
bool celulaAceitaTexto(const GradeCifra& grade, int coluna, int linha);
// Characters a cell never takes.
bool caractereRecusadoNaCelula(char c);

inline constexpr std::string_view kMensagemTextosCentrais =
    "Textos centrais não podem conviver com subscritos ou sobrescritos de mesma ordem.";
inline constexpr std::string_view kMensagemQuatroDigitos =
    "Cada elemento da cifra é limitado a 4 dígitos.";
inline constexpr std::string_view kMensagemTipoBasico =
    "Este é um tipo básico de acorde, incluido no arquivo original que acompanha o programa, "
    "não podendo ser excluido nem ter sua constituição e sua cifra padrão alteradas.";

enum class Tarefa { Nenhuma, Inclusao, Alteracao, Exclusao };

inline bool tipoBasico(int numero) {
    return numero >= 1 && numero <= kTiposBasicos;
}
// Separator captions begin with a dash; type names never do.
inline bool legendaDeSeparador(std::string_view legenda) {
    return !legenda.empty() && legenda.front() == '-';
}
// The type at list entry `entrada`, 0 for a separator or an entry out of range.
int tipoDaEntrada(const CatalogoTipos& tipos, int entrada);

// Why `tarefa` cannot start on list entry `entrada`; empty when it can.
std::string recusaAoIniciar(const CatalogoTipos& tipos, Tarefa tarefa, int entrada);

// The checks of a confirmed inclusion (numero 0) or alteration of type `numero`, in their
// order. The first refusal is shown and stops them; warnings are shown as they come.
bool conferirTipo(const CatalogoTipos& tipos, const TipoEmEdicao& registro, int numero,
                  Dialogs& dialogs);

// The confirmed tasks: checks, question 1 where fingerings would go, then the change.
// Each returns the list entry to select afterwards; nothing when refused or declined.
std::optional<int> confirmarInclusao(Catalogo& catalogo, const TipoEmEdicao& registro,
                                     Dialogs& dialogs);
// An alteration asks before fingerings go only when the intervals end up different.
std::optional<int> confirmarAlteracao(Catalogo& catalogo, int entrada, const TipoEmEdicao& registro,
                                      Dialogs& dialogs);
std::optional<int> confirmarExclusao(Catalogo& catalogo, int entrada, Dialogs& dialogs);

}  // namespace trovale
