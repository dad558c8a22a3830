#pragma once
// A song as plain text and back: chord symbols in a line of their own above the lyric.
// TextToSong, the way back, is declared with the song document (song_document.h).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/dialogs.h"
#include "base/file_saving.h"
#include "base/file_system.h"
#include "document/song_document.h"

namespace trovale {

inline constexpr const char* kFaltaEspacoCifras =
    "Falta espaço para os textos das cifras na linha ";
inline constexpr const char* kFalhaGravacaoTexto = kMensagemArquivoImproprio;
inline constexpr const char* kFalhaLeituraTexto = kMensagemNaoAberto;

// The text form of the song's lines: chord lines written as symbols, every line without
// trailing spaces. On failure the message (UTF-8) that names the lyric line without room.
struct TextoDaCancao {
    std::vector<std::string> linhas;
    std::optional<std::string> falha;
};
TextoDaCancao linhasEmTexto(const SongDocument& doc);

// Replaces the song's lines by their text form; kinds stay. False, with the message shown
// and the song untouched, when a chord symbol has no room.
bool SongToText(SongDocument& doc, Dialogs& dialogs);

// Puts the marker lines ("<T>", "<A>", "<N>", "<R>", "<C>", "<O>") into a song in text
// form, wherever a line's kind is not the one the text editor would give it anyway.
void InsertMarkers(SongDocument& doc);

// A text file's bytes as the text editor's lines (Windows-1252). Every way a text comes in
// (text editor, file browser, trovale-cli) goes through here:
// - a line ends at CR LF, LF or a lone CR;
// - UTF-16 with its byte-order mark is converted; a UTF-8 byte-order mark is dropped;
// - a text that is well-formed UTF-8 with a non-ASCII character is converted, "?" standing
//   for what Windows-1252 has no form of; any other text is taken byte for byte;
// - a tab moves to the next column that is a multiple of 8, so chords aligned with tabs stay
//   over their syllables; any other control character becomes a blank;
// - lines after the 3000th are dropped.
// The user is told once how many characters became "?", and once of the truncation.
std::vector<std::string> linhasDoTexto(std::string bytes, Dialogs& dialogs);
// The same lines, for callers that have nobody to tell.
std::vector<std::string> linhasDoTexto(std::string bytes);

// A .txt file read and taken as linhasDoTexto takes it; nothing, with the message shown,
// when it cannot be read.
std::optional<std::vector<std::string>> lerTextoImportado(FileSystem& disco,
                                                          const std::filesystem::path& caminho,
                                                          Dialogs& dialogs);

// Writes lines ended by CR LF; a failure never destroys the file that was there. False, with the
// message shown, on failure.
bool gravarTexto(FileSystem& disco, const std::filesystem::path& caminho,
                 const std::vector<std::string>& linhas, Dialogs& dialogs);

}  // namespace trovale
