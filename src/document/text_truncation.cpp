#include "document/text_truncation.h"

#include <algorithm>

#include "document/text_measure.h"

namespace trovale {

namespace {

constexpr int kTextInset = 2;  // text is drawn 2 pixels right of the cell's corner
// The first prefix measured: longer than any column holds in ordinary fonts, so a line of
// ordinary length is measured whole, once.
constexpr std::size_t kFirstPrefix = 256;

// The longest prefix of `text` that, followed by `suffix`, fits within `limit` pixels.
// Widths grow with the prefix, so the answer is found in doubling steps and then by halving:
// a pasted line of a million characters costs a few dozen measures, not a million.
std::size_t longestFittingPrefix(const TextMeasure& measure, int kind, std::string_view text,
                                 std::string_view suffix, int limit) {
    std::string probe;
    const auto fits = [&](std::size_t n) {
        probe.assign(text.substr(0, n));
        probe.append(suffix);
        return measure.textWidth(kind, probe) <= limit;
    };
    std::size_t fitting = 0;  // known to fit (or nothing at all)
    std::size_t tried = std::min(kFirstPrefix, text.size());
    while (fits(tried)) {
        fitting = tried;
        if (tried == text.size()) return tried;
        tried = std::min(tried * 2, text.size());
    }
    // fitting < answer + 1 <= tried: halve the gap.
    while (tried - fitting > 1) {
        const std::size_t middle = fitting + (tried - fitting) / 2;
        (fits(middle) ? fitting : tried) = middle;
    }
    return fitting;
}

}  // namespace

bool textFits(const TextMeasure& measure, int kind, std::string_view text, int columnWidth) {
    const int limit = columnWidth - kTextInset;
    if (text.size() <= kFirstPrefix) return measure.textWidth(kind, text) <= limit;
    return longestFittingPrefix(measure, kind, text, {}, limit) == text.size();
}

std::size_t charactersBeforeEllipsis(const TextMeasure& measure, int kind, std::string_view text,
                                     int columnWidth) {
    return longestFittingPrefix(measure, kind, text, kEllipsis, columnWidth - kTextInset);
}

FittedText fitText(const TextMeasure& measure, int kind, std::string_view text, int columnWidth) {
    if (textFits(measure, kind, text, columnWidth)) return {std::string(text), false};
    const std::size_t kept = charactersBeforeEllipsis(measure, kind, text, columnWidth);
    return {std::string(text.substr(0, kept)) + std::string(kEllipsis), true};
}

}  // namespace trovale
