#pragma once
// Song files (".dec"): "Trovale 01.00" with six fonts, "Trovak2 02.00" with nine fonts, the
// refrain, chorus and notes kinds and the capitals flag. Text, Windows-1252, CR LF.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/song_document.h"

namespace trovale {

class Dialogs;

inline constexpr std::string_view kMagicVersion1 = "Trovale 01.00";
inline constexpr std::string_view kMagicVersion2 = "Trovak2 02.00";

inline constexpr std::string_view kMsgDocumentoVazio = "Documento vazio. Gravação cancelada.";
inline constexpr std::string_view kMsgNaoCriado =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
    "gravação).";
inline constexpr std::string_view kMsgFalhaGravacao =
    "Dispositivo defeituoso ou com espaço insuficiente.";
inline constexpr std::string_view kMsgNaoAberto =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.";
inline constexpr std::string_view kMsgDefeituoso = "Arquivo incompatível ou defeituoso";

// Where a saved song's bytes go. Every call returns 0 or the platform's error code.
class SongWriter {
  public:
    virtual ~SongWriter() = default;
    // Creates or truncates the file and opens it for writing.
    virtual int create(const std::filesystem::path& path) = 0;
    virtual int write(std::string_view bytes) = 0;
    // Flushes the bytes to the disk and closes the file.
    virtual int close() = 0;
    // Renames `from` over `to`, on the disk when it returns.
    virtual int replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes a file left behind by a failed save; errors are of no interest then.
    virtual void discard(const std::filesystem::path& path) = 0;
};

class DiskSongWriter : public SongWriter {
  public:
    // Tests that save thousands of times may leave the syncs out; the program never.
    explicit DiskSongWriter(bool sync = true) : sync_(sync) {}
    ~DiskSongWriter() override;
    int create(const std::filesystem::path& path) override;
    int write(std::string_view bytes) override;
    int close() override;
    int replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void discard(const std::filesystem::path& path) override;

  private:
    bool sync_;
    int fd_ = -1;
};

// "Trovak2 02.00" when a line has a kind above 5 or a font has the capitals flag.
bool needsVersion2(const SongDocument& doc);
// The whole file as SaveSong writes it, line by line with CR LF.
std::string songFileText(const SongDocument& doc);

// The temporary file a save writes before it takes the song's name.
std::filesystem::path temporarySavePath(const std::filesystem::path& path);

// Writes the song to `path` through a temporary file beside it, so that a failed save leaves
// the previous file untouched. 0 on success, also when an empty song was not written (after
// its message); else the error code, after the message. Clears Modified on success.
int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs,
             SongWriter& writer);
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
