#pragma once
// A font as a PDF embeds it: Type0 over a CIDFont (CIDFontType2 for TrueType outlines,
// CIDFontType0 for CFF) whose CIDs are the glyph ids.

#include <string>

#include "pdf/escritor_pdf.h"
#include "pdf/fonte_embutida.h"

namespace trovale::pdf {

// Objects the fonts take, from the Type0 dictionary to the ToUnicode CMap.
inline constexpr int kObjetosPorFonte = 5;

// The six capital letters and "+" that mark a subset, from the glyphs it holds, so that two
// subsets of one font in one file differ and the same drawing gives the same file.
std::string etiquetaSubconjunto(const FonteEmbutida& fonte, int indice);

// The font's objects numbered from `primeiro`; the Type0 dictionary is `primeiro` itself.
void escreverFonte(EscritorPdf& escritor, const FonteEmbutida& fonte, int indice, int primeiro);

}  // namespace trovale::pdf
