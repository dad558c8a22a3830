#include "document/text_truncation.h"

#include "document/text_measure.h"

namespace trovale {

namespace {

constexpr std::string_view kEllipsis = "...";
constexpr int kTextInset = 2;  // text is drawn 2 pixels right of the cell's corner

}  // namespace

bool textFits(const TextMeasure& measure, int kind, std::string_view text, int columnWidth) {
    return measure.textWidth(kind, text) <= columnWidth - kTextInset;
}

FittedText fitText(const TextMeasure& measure, int kind, std::string_view text, int columnWidth) {
    if (textFits(measure, kind, text, columnWidth)) return {std::string(text), false};
    std::string cut = std::string(text) + std::string(kEllipsis);
    while (cut.size() > kEllipsis.size() && !textFits(measure, kind, cut, columnWidth))
        cut.erase(cut.size() - kEllipsis.size() - 1, 1);
    return {cut, true};
}

}  // namespace trovale
