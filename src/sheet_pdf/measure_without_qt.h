#pragma once
// MedidaSemQt: the sheet layout's measures without Qt, equal to the program's own: template
// texts from the fonts library, chord names as the chord name drawing measures them.

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "document/text_measure.h"
#include "fonts/template_measure.h"
#include "sheet_pdf/font_canvas.h"

namespace trovale {

struct CatalogoTipos;

class MedidaSemQt : public TextMeasure {
  public:
    // Nothing when a template font, or a chord name's font, cannot be measured here as Qt
    // measures it. Catalogue and library must outlive the measure.
    static std::optional<MedidaSemQt> criar(const Modelo& modelo, const CatalogoTipos& tipos,
                                            fontes::BibliotecaFontes& fontes, int dpi);

    int textWidth(int kind, std::string_view text) const override;
    int letterMHeight(int kind) const override;
    int chordSymbolWidth(std::string_view displayedSymbol) const override;
    int fretNumberHeight(int pixelHeight) const override;
    int fretNumberWidth(int pixelHeight) const override;

    // False when a chord name held a character no installed face has: its width is not Qt's.
    bool exata() const { return tela_->exata(); }

  private:
    MedidaSemQt(fontes::MedidaDoModelo medida, const FonteElemento& cifras,
                const CatalogoTipos& tipos, std::unique_ptr<TelaDeFontes> tela);
    int medirCifra(std::string_view displayedSymbol) const;

    fontes::MedidaDoModelo medida_;
    FonteElemento cifras_;  // Fonts[3]
    const CatalogoTipos* tipos_;
    std::unique_ptr<TelaDeFontes> tela_;  // measures only; its font changes with each name
    mutable std::unordered_map<std::string, int> largurasCifras_;
};

}  // namespace trovale
