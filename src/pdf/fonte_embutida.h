#pragma once
// One font of a document, with TrueType or CFF outlines: its glyphs, metrics and the glyphs
// the pages drew.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/mapped_file.h"
#include "pdf/subconjunto_fonte.h"
#include "pdf/tabelas_sfnt.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace trovale::pdf {

// What the FontDescriptor says, in thousandths of an em.
struct MetricasFonte {
    int bandeiras = 0;
    std::array<double, 4> caixa{};  // xMin yMin xMax yMax
    double ascendente = 0, descendente = 0, alturaMaiusculas = 0, anguloItalico = 0, haste = 0;
};

class FonteEmbutida {
  public:
    // Nothing for a file that cannot be read, is no font, has neither TrueType nor CFF
    // outlines or may not be embedded.
    static std::unique_ptr<FonteEmbutida> abrir(FT_LibraryRec_* biblioteca,
                                                const std::filesystem::path& arquivo, int face);
    ~FonteEmbutida();
    FonteEmbutida(const FonteEmbutida&) = delete;
    FonteEmbutida& operator=(const FonteEmbutida&) = delete;

    // The glyph the font's cmap gives the character; 0 (.notdef) when it has none.
    std::uint16_t glifo(char32_t caractere) const {
        return caractere < latinos_.size() ? latinos_[caractere] : glifoPeloCmap(caractere);
    }
    double larguraPorMil(std::uint16_t glifo) const;

    // The glyph is embedded; text extraction gives back the first character drawn with it,
    // U+FFFD for .notdef, which stands for every character the font lacks.
    void marcar(std::uint16_t glifo, char32_t caractere) {
        if (!textos_[glifo]) textos_[glifo] = glifo == 0 ? U'\uFFFD' : caractere;
        usada_ = true;
    }
    bool usada() const { return usada_; }
    // For each glyph id, the character it was drawn for; 0 for glyphs never drawn.
    const std::vector<char32_t>& textos() const { return textos_; }

    // The PostScript name, with only the characters a PDF name may hold unescaped.
    const std::string& nome() const { return nome_; }
    MetricasFonte metricas() const;
    // Whether the font allows a subset (OS/2 fsType bit 8 clear); otherwise all glyphs go.
    bool permiteSubconjunto() const { return permiteSubconjunto_; }
    ContornosFonte contornos() const { return contornos_; }
    // The font program to embed (an OpenType file of the glyphs drawn); nothing only for a
    // font damaged beyond what loading it checked.
    std::optional<std::string> programa() const;

  private:
    FonteEmbutida() = default;
    bool preparar(FT_LibraryRec_* biblioteca, int face);
    std::uint16_t glifoPeloCmap(char32_t caractere) const;

    std::optional<ArquivoMapeado> arquivo_;  // FreeType and the subset read the file in place
    std::string_view bytes_;
    FaceSfnt sfnt_;
    int indiceFace_ = 0;  // in a collection
    ContornosFonte contornos_ = ContornosFonte::TrueType;
    FT_FaceRec_* face_ = nullptr;
    std::size_t glifos_ = 0;
    double porMil_ = 1;  // 1000 / units per em
    std::string_view hmtx_;
    std::size_t metricasHorizontais_ = 0;       // hhea numberOfHMetrics
    std::array<std::uint16_t, 256> latinos_{};  // the cmap for U+0000..U+00FF, looked up once
    std::vector<char32_t> textos_;
    std::string nome_;
    bool permiteSubconjunto_ = true;
    bool usada_ = false;
};

}  // namespace trovale::pdf
