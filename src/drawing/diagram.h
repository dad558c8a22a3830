#pragma once
// The look of every fingering diagram, the pixel measures it yields for one rectangle, and the
// operations that draw a diagram on any surface and find what a point on it touches.
//
// The appearance itself holds no colour: the grid, dots and symbols take the foreground colour
// handed to DesenharBraco (black unless the caller asks otherwise); the barres are always grey.

#include <array>

#include "catalogue/fingering.h"
#include "drawing/canvas.h"

namespace trovale {

inline constexpr int kOrientacaoHorizontal = 1;  // strings run left to right
inline constexpr int kOrientacaoVertical = 2;    // strings run top to bottom

// Parameter numbers of the seven proportions, in file order.
enum ProporcaoDiagrama { kPropWC = 1, kPropWT, kPropWB, kPropWP, kPropRP, kPropRT, kPropWL };

// Diagram appearance: one instance owned by the application, edited by the appearance window.
struct Aparencia {
    int Orientacao = kOrientacaoVertical;
    int Inicio = 1;         // 1 = base line at the left / top; 2 = right / bottom
    int PrimeiraCorda = 2;  // 1 = string 1 at the top / left; 2 = bottom / right
    int Extensao = 2;       // 1 = 4 casas shown, 2 = 5 casas shown

    // Fractions of the reference size (0.01 = 1 %).
    double WC = 0.01;     // string thickness
    double WT = 0.02;     // fret thickness
    double WB = 0.03;     // base line thickness
    double WP = 0.03334;  // barre thickness
    double RP = 0.05;     // note dot radius
    double RT = 0.04;     // string symbol radius
    double WL = 0.015;    // line thickness of the hollow and cross symbols

    int casas() const { return Extensao == 2 ? 5 : 4; }
    // Proportion by parameter number 1..7 (kPropWC..kPropWL).
    double& proporcao(int numero);
    double proporcao(int numero) const;

    bool operator==(const Aparencia&) const = default;
};

// Index into MedidasDiagrama::Forcado of each measure the appearance window may pin.
enum MedidaForcada { kForcaRp, kForcaRt, kForcaWc, kForcaWt, kForcaWp, kForcaWb, kForcaWl };

// First and last pixel of a band, ascending.
struct FaixaPixels {
    int inicio = 0;
    int fim = 0;
    int largura() const { return fim - inicio + 1; }
};

// Pixel measures of one drawn diagram. DesenharBraco fills it; the marks, the hit test and the
// label placement read it. A caller drawing another diagram in between keeps its own copy.
struct MedidasDiagrama {
    int Rp = 0;  // dot radius
    int Rt = 0;  // symbol radius
    int Wc = 0;  // string thickness
    int Wt = 0;  // fret thickness
    int Wb = 0;  // base line thickness
    int Wp = 0;  // barre half-thickness
    int Wl = 0;  // symbol line thickness
    // Set by the appearance window's plus and minus buttons: keep the pixel value held.
    std::array<bool, 7> Forcado{};

    // Geometry of the grid last drawn.
    int X0 = 0, Y0 = 0, W = 0, H = 0;
    int Orientacao = kOrientacaoVertical;
    int Inicio = 1;
    int Casas = 5;
    int BordaBase = 0;                             // along: the base edge
    int FimBraco = 0;                              // along: the far end of the neck
    std::array<FaixaPixels, kCordas + 1> Corda{};  // across, [1..6]
    std::array<FaixaPixels, 6> Casa{};             // along, free pixels of casas [1..5]
    int AncoraRotulo = 0;  // vertical: outer edge of the right-most string band + Rp
    Cor Frente = kCorPreta;
    Cor Fundo = kCorBranca;  // what the symbols' boxes are cleared to
};

// Measures for a W x H rectangle; forced measures keep the values already in `medidas`.
void calcularMedidas(const Aparencia& aparencia, int W, int H, MedidasDiagrama& medidas);

// Computes the measures for the rectangle and draws strings, base line and frets in `frente`;
// `fundo` is the colour the diagram stands on.
void DesenharBraco(Tela& tela, const Aparencia& aparencia, MedidasDiagrama& medidas, int X0, int Y0,
                   int W, int H, Cor frente = kCorPreta, Cor fundo = kCorBranca);

// Barres, note dots and string symbols of a fingering on the grid last drawn.
void DesenharDigitacao(Tela& tela, const MedidasDiagrama& medidas, const TDigitacao& digitacao);

// Single marks, for the fingering editor; a dot drawn in white erases it.
void DesenharPonto(Tela& tela, const MedidasDiagrama& medidas, int corda, int casa, Cor cor);
void DesenharPestana(Tela& tela, const MedidasDiagrama& medidas, int casa, int primeira, int ultima,
                     Cor cor, int meiaEspessura);
// kind: 0 bass (disc), 1 struck (ring), 2 muted (cross); in the background colour the box is
// cleared and a dotted focus rectangle drawn instead.
void DesenharSimbolo(Tela& tela, const MedidasDiagrama& medidas, int corda, int tipo, Cor cor);

inline constexpr Cor kCorPestana{128, 128, 128};

// What a point on the diagram touches.
enum TipoToque {
    kToqueTraste = 0,  // base line (casa 0) or a fret (casa 1)
    kToquePestana = 1,
    kToqueCorda = 2,  // a string at a note position, or a string symbol
    kToquePonto = 3,  // a note dot, or an empty note position when asked for
    kToqueNada = 4,
};
struct PontoDiagrama {
    int corda = 0;  // 1..6
    int casa = 0;   // 1..n; n + 1 = symbol zone; 0 = none / base line
    int tipo = kToqueNada;
};
PontoDiagrama LocalizarPonto(const MedidasDiagrama& medidas, int x, int y,
                             const TDigitacao& digitacao, bool posicoesDePonto = false);

// Top-left corner of the start-fret label of a text of the given size, beside casa 1.
struct PosicaoRotulo {
    int x = 0;
    int y = 0;
};
PosicaoRotulo posicaoRotuloCasa(const MedidasDiagrama& medidas, int larguraTexto, int alturaTexto);
// Writes the start fret beside the diagram when it is above 1, in the surface's current font.
void DesenharRotuloCasa(Tela& tela, const MedidasDiagrama& medidas, int casaInicial,
                        Cor cor = kCorPreta);

}  // namespace trovale
