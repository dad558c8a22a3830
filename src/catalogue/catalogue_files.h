#pragma once
// The catalogue's files in the program directory, and loading them at start-up.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "catalogue/catalogue.h"

namespace trovale {

inline constexpr std::string_view kArquivoTipos = "ACORDES.TIP";
inline constexpr std::string_view kArquivoDigitacoes = "POSICOES.DIG";
inline constexpr std::string_view kNovoTipos = "ACORDES.NEW";
inline constexpr std::string_view kMarcaTipos = "TERMINOU.NEW";
inline constexpr std::string_view kNovoDigitacoes = "POSICOES.NEW";
inline constexpr std::string_view kMarcaDigitacoes = "ACABOU.NEW";
inline constexpr std::string_view kMarcaConjunta = "CASADA.END";
inline constexpr std::string_view kPastaCopias = "CtlgBackUp";

// What a marker file holds; only its existence matters.
inline constexpr std::string_view kConteudoMarca = "Yes\r\n";

// The program directory and the file system its catalogue files are reached through.
struct ArquivosCatalogo {
    std::filesystem::path pasta;
    FileSystem& fs;

    std::filesystem::path caminho(std::string_view nome) const { return pasta / nome; }
    bool existe(std::string_view nome) const { return fs.exists(caminho(nome)); }
    void removerSeExiste(std::string_view nome) const;
    void criarMarca(std::string_view nome) const;
};

// One catalogue file and the files that replace it: "X.NEW", complete once its marker exists.
struct ParArquivos {
    std::string_view atual;
    std::string_view novo;
    std::string_view marca;
};

inline constexpr ParArquivos kParTipos{kArquivoTipos, kNovoTipos, kMarcaTipos};
inline constexpr ParArquivos kParDigitacoes{kArquivoDigitacoes, kNovoDigitacoes, kMarcaDigitacoes};

// Reported when a file operation fails outside the writing of a new file.
std::string mensagemErroArquivo(const FileSystemError& erro);

// Recovery, then ACORDES.TIP; a missing or damaged file leaves no types. Duplicate type
// numbers are shown one message each.
void CarregarTipos(const ArquivosCatalogo& arquivos, CatalogoTipos& tipos, Dialogs& dialogs);

// Recovery, then POSICOES.DIG checked against the loaded types.
void CarregarDigitacoes(const ArquivosCatalogo& arquivos, const CatalogoTipos& tipos,
                        BancoDigitacoes& banco, Dialogs& dialogs);

// The whole start-up load: joint recovery, types, fingerings, equivalent types.
void AbrirCatalogo(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs);

}  // namespace trovale
