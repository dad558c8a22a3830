#pragma once
// The chord name drawing on a QPainter, for the program's windows: the painter's font gives
// the name's face.

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

#include "catalogue/chord_type.h"
#include "drawing/chord_name_composition.h"

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

}  // namespace trovale
