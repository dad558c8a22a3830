#pragma once
// The sheet layout's text measures taken without Qt: the template's fonts at the sheet's
// dpi, each text the sum of its characters' advances, as Qt gives them.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "fonts/font_face.h"
#include "settings/template.h"

namespace trovale::fontes {

class MedidaDoModelo {
  public:
    // Nothing when a template font cannot be measured exactly here: not installed as an
    // outline font, styled by Qt itself, or lacking a character of the code page.
    static std::optional<MedidaDoModelo> criar(const Modelo& modelo, BibliotecaFontes& fontes,
                                               int dpi);

    // Width of a Windows-1252 text in the font of line kind `kind`, in capitals when that
    // font is capitals-only.
    int larguraTexto(int kind, std::string_view texto) const;
    // Ascent plus descent of the font of a line kind.
    int altura(int kind) const { return verticais_[static_cast<std::size_t>(kind)].altura; }
    const MetricasVerticais& verticais(int kind) const {
        return verticais_[static_cast<std::size_t>(kind)];
    }
    // The start-fret numbers: Fonts[5] at `pixels`, its height and the width of "12".
    int alturaNumeros(int pixels) const;
    int larguraNumeros(int pixels) const;

  private:
    using Avancos = std::array<int, 256>;
    std::array<const FaceFonte*, kElementosModelo> faces_{};
    std::array<Avancos, kElementosModelo> avancos_{};
    std::array<MetricasVerticais, kElementosModelo> verticais_{};
};

// Width of a text as Qt measures it unshaped: the characters' advances added in 1/64 pixel,
// then rounded; controls and the soft hyphen take no room, a tab runs to Qt's first tab stop
// (a text with one is measured alone). A character the face lacks is measured in the face
// `substituta` gives for it, as Qt falls back to another font; nothing when there is none.
using Substituta = std::function<const FaceFonte*(char32_t)>;
std::optional<int> larguraSemForma(const FaceFonte& face, int pixels, std::u32string_view texto,
                                   const Substituta& substituta = {});

}  // namespace trovale::fontes
