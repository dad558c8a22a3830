#include "base/capitals.h"

#include <array>

namespace trovale {

namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined stay C1 controls.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t unicodeDeWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kFaixa80[byte - 0x80] : char32_t{byte};
}

std::u32string maiusculas(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return std::u32string(1, c - 0x20);
    switch (c) {
        case 0xDF:
            return U"SS";
        case 0xFF:
            return U"\u0178";
        case 0xB5:
            return U"\u039C";
        case 0x0161:
            return U"\u0160";
        case 0x0153:
            return U"\u0152";
        case 0x017E:
            return U"\u017D";
        case 0x0192:
            return U"\u0191";
        default:
            return std::u32string(1, c);
    }
}

std::string maiusculasUtf8(std::string_view windows1252) {
    std::string utf8;
    for (const char byte : windows1252)
        for (const char32_t c :
             maiusculas(unicodeDeWindows1252(static_cast<unsigned char>(byte)))) {
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else if (c < 0x800) {
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                utf8 += static_cast<char>(0xE0 | (c >> 12));
                utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
    return utf8;
}

}  // namespace trovale
