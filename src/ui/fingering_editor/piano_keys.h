#pragma once
// The three-octave keyboard beside the fingering editor's chord: key geometry and which keys
// the chord's tones mark.

#include <QColor>
#include <QRect>
#include <QSize>
#include <map>

#include "catalogue/chord_type.h"

class QPainter;

namespace trovale {

inline constexpr int kTeclasPiano = 36;  // from the first C
inline constexpr int kTeclasBrancas = 21;

struct TecladoPiano {
    int larguraTecla = 0;  // white key
    QSize tamanho;         // the picture
    int meiaPreta = 0;     // black key half-width on each side of the boundary
    int alturaPreta = 0;

    bool preta(int tecla) const;
    // The key's rectangle; a white key's full rectangle, black keys lie over it.
    QRect retangulo(int tecla) const;
};

// The keyboard fitted to a panel width.
TecladoPiano tecladoParaLargura(int larguraPainel);

// Key number -> colour of the chord tone it sounds: the root from the first octave's
// keys, each further tone above it.
std::map<int, QColor> teclasDoAcorde(const TTipoAcorde& tipo, int raiz);

void desenharTeclado(QPainter& p, const TecladoPiano& teclado, const std::map<int, QColor>& marcas);

}  // namespace trovale
