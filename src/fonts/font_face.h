#pragma once
// One font face measured as Qt measures text for layout: at a whole pixel size, with the
// font's own (unhinted) advances and line metrics, each rounded as Qt rounds them.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "base/mapped_file.h"
#include "fonts/font_library.h"

namespace trovale::fontes {

struct MetricasVerticais {
    int ascendente = 0;
    int descendente = 0;
    int altura = 0;  // ascendente + descendente
    int entrelinha = 0;
};

class FaceFonte {
  public:
    // `biblioteca` is FreeType's library handle; nothing when the file holds no usable face.
    // Only a regular file is read: a named pipe or a device in a font's place never holds
    // the program.
    static std::unique_ptr<FaceFonte> abrir(void* biblioteca, const ArquivoFonte& arquivo);
    // Whether the file holds a face at that index at all, usable here or not.
    static bool existe(void* biblioteca, const ArquivoFonte& arquivo);
    ~FaceFonte();
    FaceFonte(const FaceFonte&) = delete;
    FaceFonte& operator=(const FaceFonte&) = delete;

    const ArquivoFonte& arquivo() const { return arquivo_; }
    bool negrito() const;
    bool italico() const;
    // Whether Qt would embolden this face itself when asked for bold.
    bool qtEngrossaria() const;

    MetricasVerticais verticais(int pixels) const;
    // Advance of a character in 1/64 pixel, as Qt keeps it before rounding; nothing when the
    // face lacks it (Qt would take another font's).
    std::optional<long> avanco26d6(int pixels, char32_t caractere) const {
        // The common case inline: a Latin character at the size last asked for, measured.
        if (caractere < 256 && ultimosLatinos_ && ultimosLatinos_->pixels == pixels &&
            ultimosLatinos_->avancos[caractere] >= 0)
            return ultimosLatinos_->avancos[caractere];
        return avancoMedido(pixels, caractere);
    }

  private:
    // Advances of U+0000..U+00FF at one size, filled as they are asked for.
    struct AvancosLatinos {
        int pixels = 0;
        std::array<long, 256> avancos;
    };

    FaceFonte(void* face, ArquivoFonte arquivo, ArquivoMapeado bytes);
    void tamanho(int pixels) const;
    std::optional<long> avancoMedido(int pixels, char32_t caractere) const;
    std::optional<long> medirAvanco(int pixels, char32_t caractere) const;
    AvancosLatinos& latinos(int pixels) const;

    ArquivoMapeado bytes_;  // FreeType reads the face in place
    void* face_;            // FT_Face
    ArquivoFonte arquivo_;
    mutable int pixels_ = 0;
    // A sheet asks for the same few sizes and characters thousands of times.
    mutable std::unordered_map<std::uint64_t, std::optional<long>> avancos_;  // by size, char
    mutable std::vector<std::unique_ptr<AvancosLatinos>> latinos_;
    mutable AvancosLatinos* ultimosLatinos_ = nullptr;
    mutable std::vector<std::pair<int, MetricasVerticais>> verticais_;  // by size
};

// 1/64 pixel to whole pixels, halves up, as Qt rounds its fixed-point metrics.
inline int arredondar26d6(long valor) {
    return static_cast<int>((valor + 32) >> 6);
}

// The whole pixel size Qt gives a font of `pontos` points on a surface of `dpi`.
int pixelsDePontos(double pontos, int dpi);

}  // namespace trovale::fontes
