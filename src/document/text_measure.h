#pragma once
// What the sheet layout needs to know of fonts, in screen pixels. The render layer answers with
// the document's template fonts; tests answer with fixed widths. Layout never sees a font.

#include <string_view>

namespace trovale {

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;

    // Width of a Windows-1252 text in the font of line kind `kind` (0..8), in capitals when that
    // font is capitals-only. The width of one space in Fonts[3] is textWidth(3, " ").
    virtual int textWidth(int kind, std::string_view text) const = 0;
    // Height of the text "M" in the font of line kind `kind`.
    virtual int letterMHeight(int kind) const = 0;
    // Width of a chord symbol in display form ("C#m7*"), as the chord name drawing draws it in
    // Fonts[3], variant numeral included.
    virtual int chordSymbolWidth(std::string_view displayedSymbol) const = 0;
    // Text height of the start-fret numbers, Fonts[5] set to `pixelHeight` pixels.
    virtual int fretNumberHeight(int pixelHeight) const = 0;
    // Width of "12" in Fonts[5] set to `pixelHeight` pixels.
    virtual int fretNumberWidth(int pixelHeight) const = 0;
};

}  // namespace trovale
