#pragma once
// Song files (".dec"): "Trovale 01.00" with six fonts, "Trovak2 02.00" with nine fonts, the
// refrain, chorus and notes kinds and the capitals flag. Text, Windows-1252, CR LF.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_saving.h"
#include "document/song_document.h"

namespace trovale {

class Dialogs;
class FileSystem;

inline constexpr std::string_view kMagicVersion1 = "Trovale 01.00";
inline constexpr std::string_view kMagicVersion2 = "Trovak2 02.00";

// The line after the chord table of a song that wraps its long lines.
inline constexpr std::string_view kMarcaQuebrarLinhas = "Quebrar linhas longas";
inline constexpr std::string_view kMsgDocumentoVazio = "Documento vazio. Gravação cancelada.";
inline constexpr std::string_view kMsgNaoCriado = kMensagemArquivoImproprio;
inline constexpr std::string_view kMsgFalhaGravacao = kMensagemDispositivoDefeituoso;
inline constexpr std::string_view kMsgNaoAberto = kMensagemNaoAberto;
inline constexpr std::string_view kMsgDefeituoso = "Arquivo incompatível ou defeituoso";

// "Trovak2 02.00" when a line has a kind above 5 or a font has the capitals flag.
bool needsVersion2(const SongDocument& doc);
// The whole file as SaveSong writes it, line by line with CR LF. A line break inside a text
// is written as a blank, so that every file written reads back.
std::string songFileText(const SongDocument& doc);

// Replaces the file at `path` with the song, or leaves it as it was. 0 on success, also when
// an empty song was not written (after its message); else the error code, after the message.
// Clears Modified on success.
int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs,
             FileSystem& disco);
int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs);

struct LoadedSong {
    SongDocument doc;
    std::string version;  // characters 9 to 13 of line 1, e.g. "01.00"
};

// Reads the bytes of a song file; nothing when they are not a sound song. Version 01.00
// takes the fonts of the refrain, chorus and notes from `defaultTemplate`.
std::optional<LoadedSong> parseSongFile(std::string_view bytes, const Modelo& defaultTemplate);

// Loads the file into `doc` (FileName set, Modified clear). On failure the message is shown
// and `doc` is left as it was. `version`, when given, receives the file's version.
bool LoadSong(SongDocument& doc, const std::filesystem::path& path, const Modelo& defaultTemplate,
              Dialogs& dialogs, std::string* version = nullptr);

}  // namespace trovale
