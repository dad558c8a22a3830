#pragma once
// The sheet layout's measures taken from real fonts: the template's fonts at the sheet's dpi,
// chord names as the chord name drawing draws them.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "document/text_measure.h"
#include "settings/template.h"

namespace trovale {

struct CatalogoTipos;

class SheetMeasure : public TextMeasure {
  public:
    // Both must outlive the measure.
    SheetMeasure(const Modelo& modelo, const CatalogoTipos& tipos, int dpi);

    int textWidth(int kind, std::string_view text) const override;
    int letterMHeight(int kind) const override;
    int chordSymbolWidth(std::string_view displayedSymbol) const override;
    int fretNumberHeight(int pixelHeight) const override;
    int fretNumberWidth(int pixelHeight) const override;

    // The font of a line kind as the sheet draws it, at the measure's dpi.
    const QFont& fonte(int kind) const { return fontes_[static_cast<std::size_t>(kind)]; }
    const CatalogoTipos& tipos() const { return tipos_; }
    // A surface at the measure's dpi: pictures of the sheet take its resolution.
    const QImage& superficie() const { return superficie_; }

  private:
    QFont fonteNumeros(int pixelHeight) const;
    int medirCifra(std::string_view displayedSymbol) const;

    const Modelo& modelo_;
    const CatalogoTipos& tipos_;
    QImage superficie_;  // carries the dpi every measure is taken at
    std::array<QFont, kElementosModelo> fontes_;
    // Layout measures every row of a song: metrics are made once, chord names once each, and
    // a text is the sum of its characters' advances (the fonts neither kern nor shape).
    std::vector<QFontMetrics> metricas_;
    std::array<std::array<int, 256>, kElementosModelo> avancos_{};
    mutable std::unordered_map<std::string, int> largurasCifras_;
};

// A template font as Qt knows it: face, points, bold, italic; no kerning and no shaping, so
// that a text is as wide as its characters side by side, as the layout measured it.
QFont fonteDoElemento(const FonteElemento& elemento);

}  // namespace trovale
