#pragma once
// A 128-bit digest of a file's bytes, fed in pieces, for the identifier PDF readers use to
// tell files apart. Not for security: two fast multiply-and-shift lanes over 8-byte words.

#include <cstdint>
#include <string>
#include <string_view>

namespace trovale::pdf {

class Resumo {
  public:
    void acrescentar(std::string_view bytes);
    // 32 hexadecimal digits.
    std::string hex() const;

  private:
    void misturar(std::uint64_t palavra);

    std::uint64_t a_ = 0x9E3779B97F4A7C15u, b_ = 0xC2B2AE3D27D4EB4Fu;
    std::uint64_t pendente_ = 0;  // bytes of a word not yet whole
    int nPendentes_ = 0;
    std::uint64_t total_ = 0;     // bytes
    std::uint64_t palavras_ = 0;  // words mixed, so that the same words elsewhere differ
};

}  // namespace trovale::pdf
