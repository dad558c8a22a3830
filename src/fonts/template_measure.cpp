#include "fonts/template_measure.h"

#include <algorithm>

#include "base/capitals.h"

namespace trovale::fontes {

namespace {

constexpr int kPrimeiraTabulacao = 80;  // Qt's default tab stop, in pixels

bool semLargura(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD;
}

}  // namespace

std::optional<int> larguraSemForma(const FaceFonte& face, int pixels, std::u32string_view texto,
                                   const Substituta& substituta) {
    if (texto == U"\t") return kPrimeiraTabulacao;
    long total = 0;
    for (const char32_t c : texto) {
        if (semLargura(c)) continue;
        std::optional<long> a = face.avanco26d6(pixels, c);
        if (!a && substituta) {
            if (const FaceFonte* outra = substituta(c)) a = outra->avanco26d6(pixels, c);
        }
        if (!a) return std::nullopt;
        total += *a;
    }
    return arredondar26d6(total);
}

std::optional<MedidaDoModelo> MedidaDoModelo::criar(const Modelo& modelo, BibliotecaFontes& fontes,
                                                    int dpi) {
    MedidaDoModelo m;
    for (std::size_t k = 0; k < kElementosModelo; ++k) {
        const FonteElemento& e = modelo.Fonts[k];
        // Template names are Windows-1252; fontconfig reads UTF-8.
        std::string nome;
        for (const char c : e.nome) {
            const char32_t u = unicodeDeWindows1252(static_cast<unsigned char>(c));
            if (u >= 0x80) return std::nullopt;  // rare; Qt's own matching then decides
            nome += static_cast<char>(u);
        }
        const FaceFonte* face = fontes.face(nome, e.negrito, e.italico);
        if (!face) return std::nullopt;
        const int pixels = pixelsDePontos(std::max(1, e.tamanhoAbsoluto()), dpi);
        m.faces_[k] = face;
        m.verticais_[k] = face->verticais(pixels);
        const Substituta substituta = [&](char32_t c) {
            return fontes.substituta(nome, e.negrito, e.italico, c);
        };
        for (int b = 0; b < 256; ++b) {
            const char32_t c = unicodeDeWindows1252(static_cast<unsigned char>(b));
            const std::u32string texto = e.soMaiusculas() ? maiusculas(c) : std::u32string(1, c);
            const std::optional<int> largura = larguraSemForma(*face, pixels, texto, substituta);
            if (!largura) return std::nullopt;
            m.avancos_[k][static_cast<std::size_t>(b)] = *largura;
        }
    }
    return m;
}

int MedidaDoModelo::larguraTexto(int kind, std::string_view texto) const {
    const Avancos& avancos = avancos_[static_cast<std::size_t>(kind)];
    int largura = 0;
    for (const char c : texto) largura += avancos[static_cast<unsigned char>(c)];
    return largura;
}

int MedidaDoModelo::alturaNumeros(int pixels) const {
    return faces_[5]->verticais(std::max(1, pixels)).altura;
}

// Its digits were measured when the measure was made, so they are there.
int MedidaDoModelo::larguraNumeros(int pixels) const {
    return larguraSemForma(*faces_[5], std::max(1, pixels), U"12").value_or(0);
}

}  // namespace trovale::fontes
