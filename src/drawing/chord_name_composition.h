#pragma once
// DesenharNomeAcorde: the one routine that measures and draws a chord name — root, symbol
// elements in superscript, aligned and subscript rows, the parenthesised fourth position, the
// bass after "/", and the variant numeral in Roman figures — on any drawing surface.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/chord_type.h"
#include "drawing/canvas.h"

namespace trovale {

struct OpcoesNome {
    std::string prefixo;  // UTF-8, drawn before the root (the fingering editor's "Acorde: ")
    Retangulo caixa;      // where to place the name; empty: the surface's visible area
    int deslocamentoX = 0;
    int deslocamentoY = 0;
    bool alinharNoTopo = false;  // centre vertically, always reserving both small rows
    bool centralizar = false;    // centre horizontally in the box
    double tamanhoFonte = 0;     // points; 0: Arial 9 in `cor`, else `fonte`'s face
    FonteTela fonte;             // face, weight and slant of the name when tamanhoFonte is set
    Cor cor = kCorPreta;
    bool apenasMedir = false;
};

struct MedidaNome {
    int largura = 0;
    int altura = 0;
};

// Draws the name (root and bass in Windows-1252, the bass carrying the variant mark) and
// returns its total width and height in pixels of the surface.
MedidaNome DesenharNomeAcorde(Tela& tela, const ElementosCifra& elementos, std::string_view raiz,
                              std::string_view baixo, const OpcoesNome& opcoes = {});

// A name measured and laid out once, wherever it is then drawn: a sheet draws the same few
// names hundreds of times. It holds for surfaces that measure as the one that made it.
struct NomeComposto {
    struct Peca {
        std::string texto;  // UTF-8
        FonteTela fonte;
        int x;      // from the name's left edge
        int yBase;  // baseline, from the top of the aligned row
    };
    MedidaNome medida;
    int acimaDoAlinhado = 0;   // from the top of the name to the aligned row
    int abaixoDoAlinhado = 0;  // from the aligned row to the bottom of the box, bottom-aligned
    std::vector<Peca> pecas;
};

// Only the prefix, the fonts and alinharNoTopo of `opcoes` count here.
NomeComposto ComporNomeAcorde(Tela& tela, const ElementosCifra& elementos, std::string_view raiz,
                              std::string_view baixo, const OpcoesNome& opcoes = {});
// Draws a composed name by the box, offsets and colour of `opcoes`; returns its measure.
MedidaNome DesenharNomeComposto(Tela& tela, const NomeComposto& nome, const OpcoesNome& opcoes);

// The variant number a bass carries ("*" alone 2, "*c" 3, none 1) and the bass without it.
int varianteDoBaixo(std::string_view baixo, std::string* semMarca = nullptr);
// Roman figures: 4 IV, 9 IX, 14 XIV.
std::string numeroRomano(int n);

}  // namespace trovale
