#pragma once
// The tables of an OpenType file (or of one face of a collection), read in place.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace trovale::pdf {

// Big-endian reads; the caller has checked that the bytes are there.
inline std::uint16_t lerU16(std::string_view b, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[pos]) << 8 |
                                      static_cast<unsigned char>(b[pos + 1]));
}
inline std::uint32_t lerU32(std::string_view b, std::size_t pos) {
    return std::uint32_t{lerU16(b, pos)} << 16 | lerU16(b, pos + 2);
}

constexpr std::uint32_t etiqueta(const char (&nome)[5]) {
    return std::uint32_t(static_cast<unsigned char>(nome[0])) << 24 |
           std::uint32_t(static_cast<unsigned char>(nome[1])) << 16 |
           std::uint32_t(static_cast<unsigned char>(nome[2])) << 8 |
           std::uint32_t(static_cast<unsigned char>(nome[3]));
}

struct TabelaSfnt {
    std::uint32_t etiqueta = 0;
    std::string_view dados;
};

struct FaceSfnt {
    std::uint32_t versao = 0;  // 0x00010000 for TrueType outlines, 'OTTO' for CFF
    std::vector<TabelaSfnt> tabelas;

    // The table's bytes; empty when the face lacks it.
    std::string_view tabela(std::uint32_t etiqueta) const;
};

// The tables of face `face` of a font file (a collection holds several); nothing when the
// directory points outside the file.
std::optional<FaceSfnt> lerFaceSfnt(std::string_view arquivo, int face);

}  // namespace trovale::pdf
