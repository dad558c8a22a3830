#pragma once
// The font program a PDF embeds: only the glyphs the document draws keep their outlines.

#include <optional>
#include <string>
#include <vector>

#include "pdf/tabelas_sfnt.h"

namespace trovale::pdf {

// The tables a TrueType font needs to render (head, hhea, hmtx, maxp, loca, glyf, cvt, fpgm,
// prep), glyf and loca rebuilt with the outlines of the glyphs marked in `usados` (indexed by
// glyph id), of glyph 0 and of the components of composite glyphs. The other glyphs become
// empty, so glyph ids stay as they were. Nothing when a needed table is missing or damaged.
std::optional<std::string> subconjuntoTrueType(const FaceSfnt& face, std::vector<bool> usados);

}  // namespace trovale::pdf
