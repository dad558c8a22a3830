#include "document/song_heading.h"

#include "base/file_system.h"

namespace trovale {

namespace {

// A line without its end; a heading line longer than this is no song's.
constexpr std::size_t kMaxHeadingLine = 4096;

// The line at `at`, ended by CR LF, LF or a lone CR; `at` moves past its end.
std::string readLine(std::string_view bytes, std::size_t& at) {
    const std::size_t start = at;
    while (at < bytes.size() && at - start < kMaxHeadingLine && bytes[at] != '\r' &&
           bytes[at] != '\n')
        ++at;
    std::string line(bytes.substr(start, at - start));
    if (at < bytes.size() && bytes[at] == '\r') {
        ++at;
        if (at < bytes.size() && bytes[at] == '\n') ++at;
    } else if (at < bytes.size() && bytes[at] == '\n') {
        ++at;
    }
    return line;
}

}  // namespace

std::optional<SongHeading> readSongHeading(const std::filesystem::path& path) {
    // Only the two heading lines are needed, whatever the size of the file.
    const std::optional<std::string> start = lerInicioArquivoRegular(path, 2 * kMaxHeadingLine + 4);
    if (!start) return std::nullopt;
    std::size_t at = 0;
    SongHeading heading;
    const std::string first = readLine(*start, at);
    const std::string_view magic = std::string_view(first).substr(0, 7);
    heading.songFile = magic == "Trovale" || magic == "Trovak2";
    if (first.size() > 14) heading.title = first.substr(14);
    heading.author = readLine(*start, at);
    return heading;
}

}  // namespace trovale
