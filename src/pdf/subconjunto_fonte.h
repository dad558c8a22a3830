#pragma once
// The font program a PDF embeds, made by HarfBuzz's subsetter: only the glyphs the document
// draws keep their outlines, and glyph ids stay as they were, so that the pages drawn before
// the subset was made still name the right glyphs.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trovale::pdf {

enum class ContornosFonte { TrueType, Cff };

// Face `face` of the font file `arquivo` with the glyphs marked in `usados` (indexed by glyph
// id; glyph 0 and the components of composite glyphs always go) and the tables a PDF reader
// needs for its kind of outlines; without `podeCortar` (the licence forbids a subset) every
// glyph and the hinting go too. Nothing when HarfBuzz cannot read the face.
std::optional<std::string> subconjuntoFonte(std::string_view arquivo, int face,
                                            ContornosFonte contornos,
                                            const std::vector<bool>& usados, bool podeCortar);

}  // namespace trovale::pdf
