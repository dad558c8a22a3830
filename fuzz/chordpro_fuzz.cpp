// libFuzzer target for ChordPro coming in and going out: any bytes are imported and built into
// a song without a crash or a read out of bounds, and the song's ChordPro, imported again,
// goes out as the very same text.
//
// Built and run by fuzz/run.sh.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/chordpro_export.h"
#include "document/chordpro_import.h"
#include "song_from_text.h"

namespace {

using namespace trovale;

SongDocument cancaoDoChordPro(std::string bytes) {
    ImportacaoChordPro importacao = importarChordPro(std::move(bytes), {fuzz::catalogo(), 4});
    const InterpretacaoTexto r =
        PrepararLinhas(std::move(importacao.linhas), {fuzz::catalogo(), 4}, importacao.conhecidos);
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    BuildFromText(doc, textoDoEditor(r, importacao.conhecidos));
    return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SongDocument doc =
        cancaoDoChordPro(std::string(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        if (!isChordKind(doc.LineKinds[i])) continue;
        for (const PlacedChord& c : decodeChordLine(doc.Lines[i]))
            if (c.chord < 0 || c.chord >= doc.Chords.size() || doc.Chords.isFree(c.chord))
                std::abort();
    }
    const std::string saida = chordProDaCancao(doc);
    if (chordProDaCancao(cancaoDoChordPro(saida)) != saida) std::abort();
    return 0;
}
