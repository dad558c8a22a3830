#pragma once
// A text row too wide for its column is shown cut, with "..." where it was cut.

#include <string>
#include <string_view>

namespace trovale {

class TextMeasure;

inline constexpr std::string_view kEllipsis = "...";

struct FittedText {
    std::string text;  // the text to draw, in the row's stored case
    bool truncated = false;
};

// The text of a row of kind `kind` as drawn in a column `columnWidth` pixels wide (text starts
// 2 pixels in): whole when it fits, else with "..." appended and the characters before it
// removed until it fits or only "..." is left.
FittedText fitText(const TextMeasure& measure, int kind, std::string_view text, int columnWidth);

// How many characters of a text that does not fit are kept before "...".
std::size_t charactersBeforeEllipsis(const TextMeasure& measure, int kind, std::string_view text,
                                     int columnWidth);

// Whether the whole text fits, without building the cut text.
bool textFits(const TextMeasure& measure, int kind, std::string_view text, int columnWidth);

}  // namespace trovale
