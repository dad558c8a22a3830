#pragma once
// A song as plain text and back: chord symbols in a line of their own above the lyric.
// TextToSong, the way back, is declared with the song document (song_document.h).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "base/file_saving.h"
#include "base/file_system.h"
#include "document/song_document.h"

namespace trovale {

inline constexpr const char* kFaltaEspacoCifras =
    "Falta espaço para os textos das cifras na linha ";
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

inline constexpr const char* kNaoETextoNulos = "O arquivo não é um texto: contém bytes nulos.";
inline constexpr const char* kNaoETextoControles =
    "O arquivo não é um texto: tem caracteres de controle ou inválidos demais.";

// Whether lines longer than a song line are cut here, or left whole for a reader that takes
// its markup off them first and cuts what it makes of them (ChordPro).
enum class LinhasLongas { Cortadas, Inteiras };

// A text file's bytes as the text editor's lines (Windows-1252). Every way a text comes in
// (text editor, file browser, trovale-cli) goes through here:
// - UTF-16 with its byte-order mark is converted, and so is UTF-16 without it when
//   utf8DeUtf16SemMarca recognises it; a UTF-8 byte-order mark is dropped;
// - what holds a NUL otherwise, or where more than one character in ten is a control
//   character or no character at all (and at least 8 are), is no text: it gives no lines, and
//   the user is told only that;
// - a line ends at CR LF, LF or a lone CR;
// - a text that is well-formed UTF-8 with a non-ASCII character is converted, "?" standing
//   for what Windows-1252 has no form of; any other text is taken byte for byte;
// - a tab moves to the next column that is a multiple of 8, so chords aligned with tabs stay
//   over their syllables; any other control character (DEL too) becomes a blank;
// - a line is cut after 255 characters (unless asked to leave it whole); lines after the
//   3000th are dropped.
// The user is told once how many characters became "?", once how many lines were cut (a line
// that loses only blanks is not), and once of the truncation.
std::optional<std::vector<std::string>> linhasDoTexto(std::string bytes, Dialogs& dialogs,
                                                      LinhasLongas longas = LinhasLongas::Cortadas);
// The same lines, for callers that have nobody to tell; none for what is no text.
std::vector<std::string> linhasDoTexto(std::string bytes);

// A text file's bytes as UTF-8, decoded as linhasDoTexto decodes them, for showing; nothing
// when they are no text.
std::optional<std::string> utf8DoTexto(std::string_view bytes);

// Cuts a line to `limite` characters; true when more than blanks went.
bool cortarLinha(std::string& linha, std::size_t limite = kMaxLineLength);

// The warning of the lines cut by an import.
std::string avisoLinhasCortadas(int quantas);

// A .txt file read and taken as linhasDoTexto takes it; nothing, with the message shown,
// when it cannot be read or is no text.
std::optional<std::vector<std::string>> lerTextoImportado(FileSystem& disco,
                                                          const std::filesystem::path& caminho,
                                                          Dialogs& dialogs);

// Writes lines ended by CR LF; a failure never destroys the file that was there. False, with the
// message shown, on failure.
bool gravarTexto(FileSystem& disco, const std::filesystem::path& caminho,
                 const std::vector<std::string>& linhas, Dialogs& dialogs);

}  // namespace trovale
