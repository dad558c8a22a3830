// libFuzzer target for song files: any bytes either load or are refused, never a crash or
// a read out of bounds; a loaded song saves to a file that loads back to the same song.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/song_file.h"
#include "settings/template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trovale;
    static const Modelo padrao = modeloDeFabrica();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto song = parseSongFile(bytes, padrao);
    if (!song) return 0;
    const std::string saved = songFileText(song->doc);
    const auto again = parseSongFile(saved, padrao);
    if (!again || songFileText(again->doc) != saved) std::abort();
    return 0;
}
