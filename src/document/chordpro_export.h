#pragma once
// A song going out as ChordPro: chords inline in the lyric, kinds as directives, and every
// fingering as a {define} so that another program draws the same diagram.

#include <filesystem>
#include <string>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "document/song_document.h"

namespace trovale {

// UTF-8 text, every line ended by LF. Chords stand where the text export writes them, so
// that importing the file gives the song back.
std::string chordProDaCancao(const SongDocument& doc);

// Writes the song's ChordPro text; a failure never destroys the file that was there. False,
// with the message shown, on failure.
bool gravarChordPro(FileSystem& disco, const std::filesystem::path& caminho,
                    const SongDocument& doc, Dialogs& dialogs);

}  // namespace trovale
