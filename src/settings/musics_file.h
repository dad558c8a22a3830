#pragma once
// MUSICS.INI: the song file window's default folder and column order and widths, and the font
// of the text-mode editor.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_saving.h"

namespace trovale {

class Dialogs;
class FileSystem;

inline constexpr std::string_view kArquivoMusicas = "MUSICS.INI";

// The three columns of the song list.
enum class ColunaArquivo { Nome, Titulo, Autor };

// "Nome", "Título" or "Autor" (UTF-8).
const char* nomeColuna(ColunaArquivo coluna);

struct ColunaMusicas {
    ColunaArquivo coluna;
    double largura;  // a fraction of the column header's width
};

struct ConfiguracaoMusicas {
    // Text-mode editor font: size + 100 if bold + 1000 if italic.
    int fonteEditor = 10;
    std::string pasta;  // UTF-8
    // In display order, which is also the sort order.
    std::array<ColunaMusicas, 3> colunas{
        {{ColunaArquivo::Titulo, 0.3}, {ColunaArquivo::Autor, 0.3}, {ColunaArquivo::Nome, 0.4}}};
};

// A width as the file keeps it: scientific notation in a 23-character field,
// " 3.00000000000000E-0001".
std::string larguraCientifica(double largura);

// The file's bytes: "S folder", then "width name" per column, Windows-1252, CR LF. A folder
// with characters Windows-1252 lacks is written in UTF-8, so that it can still be found.
std::string formatarMusicas(const ConfiguracaoMusicas& configuracao);

// Nothing when the bytes are damaged: a missing line, a negative S, an empty folder, a bad
// width, an unknown or repeated column.
std::optional<ConfiguracaoMusicas> interpretarMusicas(std::string_view bytes);

// The stored settings; a missing file gives the defaults with `pastaPadrao`, silently; a damaged
// or unreadable one the defaults and "Arquivo <dir>/MUSICS.INI defeituoso. ...".
ConfiguracaoMusicas carregarMusicas(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                                    const std::string& pastaPadrao, Dialogs& dialogs);

// Writes MUSICS.INI; a failure has been shown to the user.
ResultadoGravacao gravarMusicas(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                                const ConfiguracaoMusicas& configuracao, Dialogs& dialogs);

}  // namespace trovale
