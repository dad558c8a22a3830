#pragma once
// TelaDeFontes: a surface that only measures, with the fonts found and measured without Qt as
// Qt measures them. Whatever it cannot measure as Qt would turns it inexact, and the caller
// then lays out with Qt instead.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "drawing/canvas.h"
#include "fonts/font_face.h"

namespace trovale {

class TelaDeFontes : public Tela {
  public:
    // The library must outlive the surface; `area` is the device's extent in pixels.
    TelaDeFontes(fontes::BibliotecaFontes& fontes, int dpi, Retangulo area = {});

    // False once a font could not be had as Qt has it (not installed as an outline font,
    // styled by Qt itself, kerned) or a character was in no installed face.
    bool exata() const { return exata_; }

    int dpi() const override { return dpi_; }
    void salvar() override;
    void restaurar() override;
    void recortar(const Retangulo& r) override;
    Retangulo areaVisivel() const override;

    void preencher(const Retangulo&, Cor) override {}
    void linha(int, int, int, int, Cor) override {}
    void contornoPontilhado(const Retangulo&, Cor) override {}
    void elipse(const Retangulo&, Cor) override {}
    void retanguloArredondado(const Retangulo&, double, Cor) override {}

    void fonte(const FonteTela& f) override;
    MetricasTela metricas() const override;
    int largura(std::string_view texto) const override;
    void texto(int, int, std::string_view, Cor) override {}
    void textoNaCaixa(const Retangulo&, int, std::string_view, Cor) override {}

  protected:
    // The chosen font's face (nothing when it could not be had) and its size in pixels.
    const fontes::FaceFonte* face() const { return estado_.face; }
    int pixels() const { return estado_.pixels; }
    // The face a character is drawn in: the chosen one, else Qt's fallback for it.
    const fontes::FaceFonte* faceDe(char32_t c) const;
    // Width of a text in pixels; nothing (and the surface inexact) when a character is in
    // no face.
    std::optional<int> larguraDe(std::u32string_view texto) const;
    const Retangulo& recorte() const { return estado_.recorte; }
    void marcarInexata() const { exata_ = false; }

  private:
    struct Estado {
        bool fonteDefinida = false;
        std::string nome;     // as the template names it, Windows-1252
        std::string familia;  // UTF-8, as fontconfig reads it
        bool negrito = false, italico = false;
        const fontes::FaceFonte* face = nullptr;
        int pixels = 1;
        Retangulo recorte;
    };

    fontes::BibliotecaFontes* fontes_;
    int dpi_;
    Estado estado_;
    std::vector<Estado> pilha_;
    mutable bool exata_ = true;
    // fontconfig's fallback search is slow and a sheet asks for the same characters again.
    using ChaveSubstituta = std::tuple<std::string, bool, bool, char32_t>;
    mutable std::map<ChaveSubstituta, const fontes::FaceFonte*> substitutas_;
    mutable std::u32string medido_;  // reused by every width asked for
};

}  // namespace trovale
