// libFuzzer target for song files: any bytes either load or are refused, never a crash or
// a read out of bounds; a loaded song saves to a file that loads back to the same song; and a
// loaded song lays out on the sheet, in whatever columns and presentation it asks for,
// without a crash, every row on a page that exists.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/fixed_width_measure.h"
#include "document/sheet.h"
#include "document/song_file.h"
#include "settings/template.h"

namespace {

using namespace trovale;

void diagramar(const SongDocument& doc) {
    static const FixedWidthMeasure medida;
    SheetSettings ajustes;
    ajustes.fretNumbersAbove = doc.lineCount() % 2 == 0;
    Sheet folha;
    ComputeRowHeights(folha, doc, medida, ajustes);
    ComputeColumns(folha, doc, ajustes, 800);
    LayOut(folha, doc, medida, ajustes);
    for (const auto& coluna : folha.Columns)
        for (const SheetRow& linha : coluna)
            if (linha.Page < 1 || linha.Page > folha.PageCount || linha.Height < 0) std::abort();
    PageAtTop(folha, 1 << 20);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Modelo padrao = modeloDeFabrica();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto song = parseSongFile(bytes, padrao);
    if (!song) return 0;
    const std::string saved = songFileText(song->doc);
    const auto again = parseSongFile(saved, padrao);
    if (!again || songFileText(again->doc) != saved) std::abort();
    diagramar(song->doc);
    return 0;
}
