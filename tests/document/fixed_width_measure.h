#pragma once
// A measurer with fixed-width fonts, so that layout tests can work pixels out by hand.

#include <array>
#include <string_view>

#include "document/text_measure.h"

namespace trovale {

class FixedWidthMeasure : public TextMeasure {
  public:
    // Every character of a kind's font is charWidth[kind] wide; "M" is mHeight[kind] high.
    // The chord font's space (kind 3) is 6, lyrics 7.
    std::array<int, 9> charWidth{7, 7, 7, 6, 7, 7, 7, 7, 7};
    std::array<int, 9> mHeight{10, 10, 10, 10, 10, 10, 10, 10, 10};
    int chordCharWidth = 8;  // every character of a displayed chord symbol

    int textWidth(int kind, std::string_view text) const override {
        return charWidth[kind] * static_cast<int>(text.size());
    }
    int letterMHeight(int kind) const override { return mHeight[kind]; }
    int chordSymbolWidth(std::string_view displayed) const override {
        return chordCharWidth * static_cast<int>(displayed.size());
    }
    // Fret numbers are as high as the font; a digit is half as wide.
    int fretNumberHeight(int pixelHeight) const override { return pixelHeight; }
    int fretNumberWidth(int pixelHeight) const override { return 2 * (pixelHeight / 2); }
};

}  // namespace trovale
