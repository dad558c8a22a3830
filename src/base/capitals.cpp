#include "base/capitals.h"

#include "base/text_codec.h"

namespace trovale {

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
        for (const char32_t c : maiusculas(unicodeDeWindows1252(static_cast<unsigned char>(byte))))
            anexarUtf8(utf8, c);
    return utf8;
}

}  // namespace trovale
