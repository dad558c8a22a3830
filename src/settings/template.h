#pragma once
// The presentation template ("Modelo de apresentação"): how a song sheet is shown and printed.
// Every document carries one; MODELO.INI holds the default given to new documents.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trovale {

class Dialogs;

inline constexpr int kElementosModelo = 9;   // one per line kind 0..8
inline constexpr int kElementoDiagrama = 4;  // its size is the printed diagram side, in mm
inline constexpr int kElementoNumeros = 5;   // the start-fret numbers beside diagrams

// Colours are kept as the platform stores them: red in the low byte (0x00BBGGRR).
constexpr std::int32_t corRgb(int vermelho, int verde, int azul) {
    return vermelho | (verde << 8) | (azul << 16);
}

// One text element of the sheet; Modelo::Fonts is indexed by line kind.
struct FonteElemento {
    std::string nome = "Arial";  // face name, Windows-1252 bytes as stored
    int tamanho = 8;             // points; negative = capitals only (magnitude is the size)
    std::int32_t cor = 0;        // colour as stored, e.g. 0x008000 = green
    bool negrito = false;        // bold
    bool italico = false;        // italic

    bool soMaiusculas() const { return tamanho < 0; }
    int tamanhoAbsoluto() const { return tamanho < 0 ? -tamanho : tamanho; }
    bool operator==(const FonteElemento&) const = default;
};

struct Modelo {
    int Presentation = 1;      // 0 lyrics only, 1 lyrics with chords, 2 diagrams between lines
    int DiagramListOrder = 2;  // 0 no list, 1 by key ("Tom"), 2 by appearance ("Aparição")
    std::array<FonteElemento, kElementosModelo> Fonts;  // index = line kind
    // "Quebrar linhas longas": a line wider than its column goes on in the next rows. New songs
    // have it; a song file says so only when it is on, so that older files keep their pages.
    bool QuebrarLinhas = false;

    // Printed diagram side in millimetres (element 4's size).
    int tamanhoDiagramaMm() const { return Fonts[kElementoDiagrama].tamanhoAbsoluto(); }
    bool operator==(const Modelo&) const = default;
};

// Largest font the font dialog offers, in points.
inline constexpr int kMaxTamanhoFonte = 1638;

// Whether a stored size could have come from the template window: a diagram side of 9 to
// 100 mm, a font of 1 to kMaxTamanhoFonte points, either one negative for capitals.
bool tamanhoPossivel(const FonteElemento& fonte, int elemento);

// The template built into the program: Arial throughout, lyrics with chords and a diagram list
// in order of appearance, 2 cm diagrams.
Modelo modeloDeFabrica();

// The diagram size edit ("Tamanho das digitações, em cm:") in millimetres: the first ","
// (or else the first ".") is the decimal separator. Outside 0.9..10 cm, or unreadable, the
// user is told "Tamanho deve situar-se entre 0.9 e 10 cm" and the result is 0.
int tamanhoDiagramaDeTexto(std::string_view texto, Dialogs& dialogs);

// Millimetres shown in centimetres with one decimal: 20 -> "2,0", 5 -> "0,5".
std::string textoCentimetros(int milimetros, char separador = ',');

}  // namespace trovale
