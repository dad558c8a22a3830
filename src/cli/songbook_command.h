#pragma once
// trovale-cli songbook OUT.pdf SONG.dec...: many songs in one PDF, with a cover, contents and
// bookmarks.

#include "cli/command.h"

namespace trovale::cli {

Comando registrarSongbook(CLI::App& app);

}  // namespace trovale::cli
