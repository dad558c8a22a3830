#pragma once
// Painting a laid-out sheet on any surface: one row at a time, as layout placed it. Painting
// decides no position of its own beyond the inside of a row.

#include "document/sheet.h"
#include "document/text_measure.h"
#include "drawing/canvas.h"
#include "drawing/diagram.h"

namespace trovale {

struct CatalogoTipos;

// What painting a sheet reads besides the sheet; all must outlive the painting.
struct PinturaFolha {
    const SongDocument& doc;
    const Sheet& sheet;
    const TextMeasure& medida;  // at the surface's resolution
    const CatalogoTipos& tipos;
    const Aparencia& aparencia;
    // The chord being dragged, drawn in grey: its song line and lyric column.
    int linhaArrastada = -1;
    int colunaArrastada = 0;
};

// A template element's font, in points.
FonteTela fonteDoModelo(const FonteElemento& elemento);

// A stored chord symbol as the sheet draws it, at the bottom left of `caixa`: its name built
// from its elements when the catalogue reads it, else the symbol as text.
void DesenharSimboloAcorde(Tela& tela, const CatalogoTipos& tipos, std::string_view stored,
                           const Retangulo& caixa, const FonteTela& fonte, int tamanhoFonte,
                           Cor cor);

// Draws row `row` of column `column` (from 0) into `rect`, in device pixels. True when the
// row does not fit its column (the document window's truncation warning).
bool DesenharLinhaFolha(Tela& tela, const PinturaFolha& folha, int column, int row,
                        const Retangulo& rect);

}  // namespace trovale
