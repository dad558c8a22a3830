#pragma once
// The text-mode editor's font as one number, the way the song file window keeps it:
// size, plus 100 when bold, plus 1000 when italic.

#include <QFont>

namespace trovale {

inline constexpr int kTamanhoOriginal = 10;
inline constexpr int kTamanhoMinimo = 5;
inline constexpr int kTamanhoMaximo = 99;  // two digits: the number has no room for more

struct FonteEditor {
    int tamanho = kTamanhoOriginal;
    bool negrito = false;
    bool italico = false;

    bool operator==(const FonteEditor&) const = default;
};

// A damaged number (negative, or a size out of range) gives the original size.
FonteEditor fonteDoCodigo(int codigo);
int codigoDaFonte(const FonteEditor& fonte);

// "Courier New" at the size and style: Liberation Mono, which has its metrics, or the
// system's fixed-pitch font.
QFont fonteMonoespacada(const FonteEditor& fonte);

}  // namespace trovale
