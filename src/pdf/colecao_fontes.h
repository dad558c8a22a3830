#pragma once
// The fonts of one document and the FreeType instance that reads them.

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "pdf/fonte_embutida.h"

namespace trovale::pdf {

class ColecaoFontes {
  public:
    ColecaoFontes() = default;
    ~ColecaoFontes();
    ColecaoFontes(const ColecaoFontes&) = delete;
    ColecaoFontes& operator=(const ColecaoFontes&) = delete;

    std::optional<int> adicionar(const std::filesystem::path& arquivo, int face);
    // Nothing for a handle adicionar never gave.
    FonteEmbutida* fonte(int indice) const {
        return indice >= 0 && static_cast<std::size_t>(indice) < fontes_.size()
                   ? fontes_[static_cast<std::size_t>(indice)].get()
                   : nullptr;
    }
    int quantas() const { return static_cast<int>(fontes_.size()); }

  private:
    FT_LibraryRec_* biblioteca_ = nullptr;  // made with the first font
    std::vector<std::unique_ptr<FonteEmbutida>> fontes_;
};

}  // namespace trovale::pdf
