#pragma once
// The program directory at start-up, and the first start of a user: the per-user folder is
// made and given the shipped catalogue and factory settings.

#include <filesystem>
#include <string>
#include <vector>

namespace trovale {

struct PastaPrograma {
    std::filesystem::path pasta;
    bool doUsuario = false;  // the per-user data folder, as opposed to TROVALE_DIR or portable
};

PastaPrograma localizarPastaPrograma();

// Where the installation keeps the shipped files: beside the program's "share" folder, or
// in the system's data folders. Empty when none holds ACORDES.TIP.
std::filesystem::path pastaDadosInstalados();

// The files a new user starts with, as they are named in the program directory.
const std::vector<std::string>& arquivosDeFabrica();

// Creates `destino` when missing and, on a first start (no catalogue file, not even one
// being saved), copies the shipped files it lacks from `origem`. Nothing is overwritten, and
// a copy becomes visible under its name only once complete. Returns the names copied.
std::vector<std::string> semearPastaUsuario(const std::filesystem::path& destino,
                                            const std::filesystem::path& origem);

// The user's songs folder: "Trovale" in their documents folder.
std::filesystem::path pastaCancoesUsuario();

// Creates `destino` when missing and copies the example songs (".dec") of `origem` into it,
// never over a file of the same name. Returns the names copied.
std::vector<std::string> semearCancoesExemplo(const std::filesystem::path& destino,
                                              const std::filesystem::path& origem);

}  // namespace trovale
