// libFuzzer target for the text editor's confirm: any bytes read as a .txt are interpreted
// and built into a song without a crash or a read out of bounds; every chord a chord line
// names is in the table; and when the song can be written as text (with its markers), that
// text goes through the editor again to the very same text.
//
// Built and run by fuzz/run.sh.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "song_from_text.h"
#include "support/silent_dialogs.h"

namespace {

using namespace trovale;

using Silencio = testing::SilentDialogs;

void verificarAcordes(const SongDocument& doc) {
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        if (!isChordKind(doc.LineKinds[i])) continue;
        for (const PlacedChord& c : decodeChordLine(doc.Lines[i]))
            if (c.chord < 0 || c.chord >= doc.Chords.size() || doc.Chords.isFree(c.chord))
                std::abort();
    }
}

// The text-mode editor's view of a song; empty when a symbol has no room.
std::vector<std::string> comoTexto(SongDocument doc) {
    Silencio silencio;
    if (!SongToText(doc, silencio)) return {};
    InsertMarkers(doc);
    return doc.Lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const SongDocument doc = fuzz::cancaoDoTexto(linhasDoTexto(bytes));
    verificarAcordes(doc);
    // A chord line first takes the title's place: the "<T>" of a title below it goes above
    // the chord line and reads back as an author, so such songs are not compared.
    if (!doc.Lines.empty() && isChordKind(doc.LineKinds[0])) return 0;
    const std::vector<std::string> texto = comoTexto(doc);
    if (texto.empty()) return 0;
    if (comoTexto(fuzz::cancaoDoTexto(texto)) != texto) std::abort();
    return 0;
}
