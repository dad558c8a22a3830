#pragma once
// Where the catalogue and the settings files live: the program directory.

#include <filesystem>
#include <optional>
#include <string>

namespace trovale {

inline constexpr const char* kNomeAplicacao = "Trovale";

// What the resolution looks at, gathered apart so that it can be tested without touching the
// real environment.
struct FontesDiretorioPrograma {
    std::optional<std::string> trovaleDir;  // TROVALE_DIR
    std::filesystem::path executavel;       // the running program's file; empty when unknown
    std::optional<std::string> xdgDataHome;
    std::optional<std::string> home;
    std::optional<std::string> appData;  // Windows
};

// Reads the environment and the running program's path.
FontesDiretorioPrograma fontesDoAmbiente();

// The per-user data folder, the same one the windowed program uses for "Trovale".
std::filesystem::path diretorioDadosUsuario(const FontesDiretorioPrograma& fontes);

// TROVALE_DIR when set; else the program's own folder when it holds ACORDES.TIP; else the
// per-user data folder. Nothing is created.
std::filesystem::path resolverDiretorioPrograma(const FontesDiretorioPrograma& fontes);

// For programs that only read the catalogue (trovale-cli): as resolverDiretorioPrograma, but
// when the per-user folder holds no ACORDES.TIP, the catalogue installed with the program
// (../share/trovale from its folder) is read, so that the command line works before the
// windowed program ever seeded the per-user folder.
std::filesystem::path resolverCatalogoParaLeitura(const FontesDiretorioPrograma& fontes);

}  // namespace trovale
