#include "base/text_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace trovale {

namespace {

// Code points of bytes 0x80..0x9F; undefined bytes keep their C1 code point.
constexpr std::array<char32_t, 32> kFaixa80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// How many bytes from `inicio` on are below 128.
std::size_t comprimentoAscii(std::string_view texto, std::size_t inicio) {
    std::size_t fim = inicio;
    while (fim < texto.size() && static_cast<unsigned char>(texto[fim]) < 0x80) ++fim;
    return fim - inicio;
}

char byteDoPonto(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kFaixa80.size(); ++i)
        if (kFaixa80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at i; returns its length, or 0 when malformed.
std::size_t lerUtf8(std::string_view t, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(t[i]);
    std::size_t n;
    char32_t minimo;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        c = b0 & 0x1F;
        minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        c = b0 & 0x0F;
        minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        c = b0 & 0x07;
        minimo = 0x10000;
    } else
        return 0;
    if (i + n > t.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(t[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

// UTF-16 code units as UTF-8. A broken surrogate becomes U+FFFD, or makes the text no UTF-16
// at all when `estrito`: without a mark, that is what tells a binary file from a text.
std::optional<std::string> decodificarUtf16(std::string_view bytes, bool little, bool estrito) {
    const auto unidade = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return little ? (b << 8 | a) : (a << 8 | b);
    };
    std::string saida;
    saida.reserve(bytes.size() / 2);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t c = unidade(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t baixa = unidade(i + 2);
            if (baixa >= 0xDC00 && baixa <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (baixa - 0xDC00);
                i += 2;
            }
        }
        // A lone surrogate has no character: the replacement character stands for it.
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (estrito) return std::nullopt;
            c = 0xFFFD;
        }
        anexarUtf8(saida, c);
    }
    if (i < bytes.size()) anexarUtf8(saida, 0xFFFD);  // an odd byte at the end
    return saida;
}

}  // namespace

void anexarUtf8(std::string& saida, char32_t c) {
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xF0 | (c >> 18));
        saida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t unicodeDeWindows1252(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? kFaixa80[b - 0x80] : b;
}

std::string utf8DeWindows1252(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 4);
    for (std::size_t i = 0; i < texto.size();) {
        // Songs are mostly ASCII, which is the same in both: runs of it are copied whole.
        const std::size_t ascii = comprimentoAscii(texto, i);
        saida.append(texto.substr(i, ascii));
        i += ascii;
        if (i < texto.size())
            anexarUtf8(saida, unicodeDeWindows1252(static_cast<unsigned char>(texto[i++])));
    }
    return saida;
}

std::string windows1252DeUtf8(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t ascii = comprimentoAscii(texto, i);
        saida.append(texto.substr(i, ascii));
        i += ascii;
        if (i == texto.size()) break;
        char32_t c = 0;
        const std::size_t n = lerUtf8(texto, i, c);
        saida += n == 0 ? '?' : byteDoPonto(c);
        i += n == 0 ? 1 : n;
    }
    return saida;
}

std::optional<std::string> utf8DeUtf16ComMarca(std::string_view bytes) {
    if (bytes.size() < 2) return std::nullopt;
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    const bool little = b0 == 0xFF && b1 == 0xFE;
    if (!little && !(b0 == 0xFE && b1 == 0xFF)) return std::nullopt;
    return decodificarUtf16(bytes.substr(2), little, false);
}

std::optional<std::string> utf8DeUtf16SemMarca(std::string_view bytes) {
    // Almost every text has no NUL at all: it is told apart without counting.
    if (bytes.size() < 2 || bytes.size() % 2 != 0 || bytes.find('\0') == bytes.npos)
        return std::nullopt;
    std::size_t nulosPares = 0, nulosImpares = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        nulosPares += bytes[i] == '\0';
        nulosImpares += bytes[i + 1] == '\0';
    }
    const std::size_t unidades = bytes.size() / 2;
    const auto altos = [unidades](std::size_t nulos) { return nulos * 2 > unidades; };
    const auto baixos = [unidades](std::size_t nulos) { return nulos * 10 <= unidades; };
    if (altos(nulosImpares) && baixos(nulosPares)) return decodificarUtf16(bytes, true, true);
    if (altos(nulosPares) && baixos(nulosImpares)) return decodificarUtf16(bytes, false, true);
    return std::nullopt;
}

std::optional<std::string> utf8DeUtf16(std::string_view bytes) {
    if (auto comMarca = utf8DeUtf16ComMarca(bytes)) return comMarca;
    return utf8DeUtf16SemMarca(bytes);
}

bool pareceUtf8(std::string_view texto) {
    bool naoAscii = false;
    for (std::size_t i = 0; i < texto.size();) {
        char32_t c = 0;
        const std::size_t n = lerUtf8(texto, i, c);
        if (n == 0) return false;
        naoAscii = naoAscii || n > 1;
        i += n;
    }
    return naoAscii;
}

ComposicaoDoTexto composicaoDoTexto(std::string_view texto, bool utf8) {
    ComposicaoDoTexto composicao;
    // The bytes Windows-1252 leaves undefined are kept in songs and exported as their C1
    // code points: in UTF-8 those are the program's own, not damage.
    const auto estranho = [utf8](char32_t c) {
        if (c < 0x20) return c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r';
        const bool c1 = c >= 0x80 && c <= 0x9F;
        if (c1 && utf8 && unicodeDeWindows1252(static_cast<unsigned char>(c)) == c) return false;
        return c == 0x7F || c1 || c == 0xFFFD;
    };
    for (std::size_t i = 0; i < texto.size();) {
        char32_t c = static_cast<unsigned char>(texto[i]);
        std::size_t n = 1;
        if (utf8 && c >= 0x80) {
            n = lerUtf8(texto, i, c);
            if (n == 0) {
                n = 1;
                c = 0xFFFD;
            }
        } else if (!utf8) {
            c = unicodeDeWindows1252(static_cast<unsigned char>(c));
        }
        ++composicao.caracteres;
        composicao.nulos += c == 0;
        composicao.estranhos += c != 0 && estranho(c);
        i += n;
    }
    return composicao;
}

std::size_t bytesDosCaracteres(std::string_view texto, std::size_t n) {
    std::size_t i = 0;
    for (; i < texto.size() && n > 0; --n) {
        char32_t c = 0;
        i += std::max<std::size_t>(lerUtf8(texto, i, c), 1);
    }
    return i;
}

}  // namespace trovale
