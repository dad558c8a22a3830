#pragma once
// The title and author of a song file, read from its first two lines without loading it.

#include <filesystem>
#include <optional>
#include <string>

namespace trovale {

struct SongHeading {
    bool songFile = false;  // line 1 starts with "Trovale" or "Trovak2"
    std::string title;      // line 1 without its first 14 characters; empty for none
    std::string author;     // line 2
};

// Nothing when the file cannot be opened. Texts are Windows-1252 as stored.
std::optional<SongHeading> readSongHeading(const std::filesystem::path& path);

}  // namespace trovale
