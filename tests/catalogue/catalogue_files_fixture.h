#pragma once
// Shared by the catalogue file tests: a temporary program directory and small catalogues.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"

namespace trovale::testing {

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(std::string_view nome, std::string_view bytes) const;
    std::optional<std::string> read(std::string_view nome) const;
    // Every file directly in the folder (or in a subfolder), by name, with its bytes.
    std::map<std::string, std::string> files(std::string_view subpasta = {}) const;

  private:
    std::filesystem::path path_;
};

// Two entries: "Maior" (3, 5) and "Menor" (b3, 5, symbol "m").
extern const std::string kTiposAntigos;
// The same, then a separator and type 3 "Maior com 7ª menor" (3, 5, b7).
extern const std::string kTiposNovos;

// C major (x 3 2 0 1 0) and A minor (x 0 2 2 1 0).
std::string digitacoesAntigas();
// The old ones and G major (3 2 0 0 0 3): all play types of both files.
std::string digitacoesNovas();
// The new ones and C7 (x 3 2 3 1 0) on type 3, which only the new types have.
std::string digitacoesComSetima();

// A fingering at start fret 1; string 6 muted when asked.
TDigitacao digitacao(int nota, int tipo, std::vector<NotaDedo> notas, bool sextaMuda);
std::string bytesDe(const std::vector<TDigitacao>& digitacoes);

// A catalogue in memory holding these files' contents, as the editors leave it.
Catalogo catalogoCom(std::string_view tipos, std::string_view digitacoes);

}  // namespace trovale::testing
