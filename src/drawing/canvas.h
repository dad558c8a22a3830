#pragma once
// A drawing surface without a toolkit: the sheet, chord names and diagrams are drawn through
// it, on a QPainter in the program and straight into a PDF from the command line.
// Coordinates are whole device pixels, as the layout gives them.

#include <cstdint>
#include <string>
#include <string_view>

namespace trovale {

struct Cor {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Cor&) const = default;
};
inline constexpr Cor kCorPreta{0, 0, 0};
inline constexpr Cor kCorBranca{255, 255, 255};

// A rectangle of whole pixels: x, y and the pixels it covers across and down.
struct Retangulo {
    int x = 0, y = 0, largura = 0, altura = 0;
    int direita() const { return x + largura - 1; }
    int baixo() const { return y + altura - 1; }
    bool vazio() const { return largura <= 0 || altura <= 0; }
    bool operator==(const Retangulo&) const = default;
};

// A font as the template or a drawing names it: its face (Windows-1252, as stored) and either
// a size in points at the surface's resolution or a height in pixels.
struct FonteTela {
    std::string nome = "Arial";
    int pontos = 0;  // used when above 0
    int pixels = 0;
    bool negrito = false;
    bool italico = false;
    // The toolkit's default kerning and shaping; the sheet's fonts have neither, so that a text
    // is as wide as its characters side by side.
    bool ajustarPares = false;
    bool operator==(const FonteTela&) const = default;
};

struct MetricasTela {
    int ascendente = 0;
    int descendente = 0;
    int altura = 0;  // ascendente + descendente
};

// Where a text goes in a box; the values are those of Qt::Alignment, so that the program's
// surface hands them over unchanged.
enum Alinhamento : int {
    kAlinharEsquerda = 0x1,
    kAlinharDireita = 0x2,
    kAlinharCentroH = 0x4,
    kAlinharTopo = 0x20,
    kAlinharBase = 0x40,
    kAlinharCentroV = 0x80,
    kAlinharCentro = kAlinharCentroH | kAlinharCentroV,
};

class Tela {
  public:
    virtual ~Tela() = default;

    // Dots per inch of the device: what a size in points turns into.
    virtual int dpi() const = 0;
    // True where shapes are drawn as exact outlines (a PDF page) rather than set pixel by
    // pixel, so that no pixel of theirs needs setting right afterwards.
    virtual bool formasExatas() const { return false; }

    virtual void salvar() = 0;
    virtual void restaurar() = 0;
    // Replaces the clip with a rectangle (restaurar brings the former one back).
    virtual void recortar(const Retangulo& r) = 0;
    // The clip's bounds, else the whole device.
    virtual Retangulo areaVisivel() const = 0;

    virtual void preencher(const Retangulo& r, Cor cor) = 0;
    // A one-pixel line, both ends included.
    virtual void linha(int x0, int y0, int x1, int y1, Cor cor) = 0;
    // The outline of a rectangle in a dotted one-pixel line, inside the rectangle.
    virtual void contornoPontilhado(const Retangulo& r, Cor cor) = 0;
    // Filled shapes without outline, not smoothed, within `r`.
    virtual void elipse(const Retangulo& r, Cor cor) = 0;
    virtual void retanguloArredondado(const Retangulo& r, double raio, Cor cor) = 0;

    // Text in UTF-8. The font stays chosen until the next call.
    virtual void fonte(const FonteTela& f) = 0;
    virtual MetricasTela metricas() const = 0;
    // Width of a text in the chosen font, its characters' advances added.
    virtual int largura(std::string_view texto) const = 0;
    // A text with its baseline at y.
    virtual void texto(int x, int yBase, std::string_view texto, Cor cor) = 0;
    // A text placed in a box as `alinhamento` says (Alinhamento values, or-ed).
    virtual void textoNaCaixa(const Retangulo& r, int alinhamento, std::string_view texto,
                              Cor cor) = 0;
};

}  // namespace trovale
