#include "document/song_heading.h"

#include <fstream>

namespace trovale {

namespace {

// A line without its end; a heading line longer than this is no song's.
constexpr std::size_t kMaxHeadingLine = 4096;

std::string readLine(std::istream& in) {
    std::string line;
    char c;
    while (line.size() < kMaxHeadingLine && in.get(c)) {
        if (c == '\n') break;
        if (c == '\r') {
            if (in.peek() == '\n') in.get();
            break;
        }
        line += c;
    }
    return line;
}

}  // namespace

std::optional<SongHeading> readSongHeading(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    SongHeading heading;
    const std::string first = readLine(file);
    const std::string_view magic = std::string_view(first).substr(0, 7);
    heading.songFile = magic == "Trovale" || magic == "Trovak2";
    if (first.size() > 14) heading.title = first.substr(14);
    heading.author = readLine(file);
    return heading;
}

}  // namespace trovale
