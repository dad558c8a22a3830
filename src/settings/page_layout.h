#pragma once
// The page layout of a song: orientation, margins and up to three text columns, in whole
// millimetres. Every document carries one; LayOut.ini holds the default for new documents.

#include <cstdint>
#include <string>
#include <string_view>

namespace trovale {

inline constexpr int kCamposLayout = 10;
inline constexpr int kMaxColunas = 3;

// The ten values in the order the song file and LayOut.ini store them.
struct PageLayout {
    std::int32_t margemEsquerda = 30;  // left margin
    std::int32_t margemDireita = 20;   // right margin
    std::int32_t margemSuperior = 30;  // top margin
    std::int32_t margemInferior = 25;  // bottom margin
    std::int32_t espacoColunas = 0;    // gap between columns (0 with one column)
    std::int32_t numColunas = 1;       // number of columns, 1..3
    std::int32_t coluna1 = 160;        // width of column 1
    std::int32_t coluna2 = 0;          // width of column 2 (0 with fewer than 2 columns)
    std::int32_t coluna3 = 0;          // width of column 3 (0 with fewer than 3 columns)
    std::int32_t orientacao = 0;       // 0 portrait, 1 landscape

    bool operator==(const PageLayout&) const = default;
};

// Field numbers, in file order; the limits and the rebalance work field by field.
enum class CampoLayout {
    MargemEsquerda,
    MargemDireita,
    MargemSuperior,
    MargemInferior,
    EspacoColunas,
    NumColunas,
    Coluna1,
    Coluna2,
    Coluna3,
    Orientacao,
};

std::int32_t& campo(PageLayout& layout, CampoLayout c);
std::int32_t campo(const PageLayout& layout, CampoLayout c);

// Longer than any paper; keeps the layout arithmetic far from overflowing.
inline constexpr int kMaxMedida = 10000;

// Whether a stored layout could be one: columns 1..3, orientation 0 or 1, every length
// 0..kMaxMedida. Files holding anything else are damaged.
bool layoutPossivel(const PageLayout& layout);

// The layout built into the program: one 160 mm column on A4 portrait (210 - 30 - 20).
PageLayout layoutDeFabrica();

// What the layout needs to know of the paper, all in whole millimetres. The printer's
// metrics (render) fill it in for the layout's orientation.
struct Papel {
    int largura = 210;  // W
    int altura = 297;   // H
    int minEsquerda = 0;
    int minDireita = 0;
    int minSuperior = 0;
    int minInferior = 0;

    bool operator==(const Papel&) const = default;
};

struct Limites {
    int minimo = 0;
    int maximo = 0;
};

// The range a field may take on this paper, given the other fields.
Limites limitesDe(const PageLayout& layout, CampoLayout c, const Papel& papel);

// Sets a field clamped into its limits; a margin, the gap or a column width is followed by
// the column rebalance. Returns the value taken.
int definirCampo(PageLayout& layout, CampoLayout c, int valor, const Papel& papel);

// Plus/minus: moves a field by delta only when the result stays within its limits (false:
// refused, the caller beeps); rebalances like definirCampo.
bool passoCampo(PageLayout& layout, CampoLayout c, int delta, const Papel& papel);

// Shares what is left of the paper width among the columns other than the one changed.
void rebalancearColunas(PageLayout& layout, CampoLayout alterado, const Papel& papel);

// After a change of paper or orientation: shrinks the margins (and the gap) to 2/3 until they
// fit, clamps every field and rebalances the columns.
void ajustarAoPapel(PageLayout& layout, const Papel& papel);

// The column buttons: sets n, clears the widths, gap 0 with one column and 15 instead of 0
// with more, then fits and rebalances.
void definirNumeroColunas(PageLayout& layout, int n, const Papel& papel);

// "Girar papel": toggles the orientation and clears the column widths. The caller retakes
// the metrics for the new orientation and then calls ajustarAoPapel.
void girarPapel(PageLayout& layout);

// An edit's text in centimetres ("1,25" or "1.25") to millimetres: int(x*10 + 0.1). Empty or
// unreadable text gives 0, which the clamp turns into the field's minimum.
int milimetrosDeTextoCm(std::string_view texto);

// Millimetres as the edits show them: one decimal, at least two digits; 0 is empty.
std::string textoEditCm(int milimetros, char separador = ',');

}  // namespace trovale
