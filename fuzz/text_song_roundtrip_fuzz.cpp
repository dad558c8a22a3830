// libFuzzer target from imported text to song file: any bytes read as a .txt are interpreted
// and built into a song as the text editor's confirm does; a song with lines is then written
// as a song file, which must load, with the same lines, line kinds, chord table, template
// and layout as the song written, and must save again to the very same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "document/song_file.h"
#include "song_from_text.h"

namespace {

using namespace trovale;

bool mesmaCancao(const SongDocument& a, const SongDocument& b) {
    return a.Lines == b.Lines && a.LineKinds == b.LineKinds &&
           a.Chords.Symbols == b.Chords.Symbols && a.Chords.TypeCodes == b.Chords.TypeCodes &&
           a.Chords.Fingerings == b.Chords.Fingerings && a.Template == b.Template &&
           a.Layout == b.Layout;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Modelo padrao = modeloDeFabrica();
    const SongDocument doc =
        fuzz::cancaoDoTexto(linhasDoTexto(std::string(reinterpret_cast<const char*>(data), size)));
    // An empty song is never saved ("Documento vazio").
    if (doc.Lines.empty()) return 0;
    const std::string gravado = songFileText(doc);
    const std::optional<LoadedSong> lido = parseSongFile(gravado, padrao);
    if (!lido || !mesmaCancao(lido->doc, doc)) std::abort();
    if (songFileText(lido->doc) != gravado) std::abort();
    return 0;
}
