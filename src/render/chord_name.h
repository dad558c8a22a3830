#pragma once
// DesenharNomeAcorde: the one routine that measures and draws a chord name — root, symbol
// elements in superscript, aligned and subscript rows, the parenthesised fourth position, the
// bass after "/", and the variant numeral in Roman figures.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "catalogue/chord_type.h"

class QPainter;

namespace trovale {

struct OpcoesNomeAcorde {
    QString prefixo;  // drawn before the root (the fingering editor's "Acorde: ")
    QRect caixa;      // where to place the name; empty: the painter's clip or window
    int deslocamentoX = 0;
    int deslocamentoY = 0;
    bool alinharNoTopo = false;  // centre vertically, always reserving both small rows
    bool centralizar = false;    // centre horizontally in the box
    double tamanhoFonte = 0;     // points; 0: Arial 9 in `cor`, else the painter's font
    QColor cor = Qt::black;
    bool apenasMedir = false;
};

// Draws the name (root and bass in Windows-1252, the bass carrying the variant mark) and
// returns its total width and height in pixels of the painter's device.
QSize DesenharNomeAcorde(QPainter& p, const ElementosCifra& elementos, std::string_view raiz,
                         std::string_view baixo, const OpcoesNomeAcorde& opcoes = {});

// The variant number a bass carries ("*" alone 2, "*c" 3, none 1) and the bass without it.
int varianteDoBaixo(std::string_view baixo, std::string* semMarca = nullptr);
// Roman figures: 4 IV, 9 IX, 14 XIV.
std::string numeroRomano(int n);

}  // namespace trovale
