#include "pdf/colecao_fontes.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace trovale::pdf {

ColecaoFontes::~ColecaoFontes() {
    fontes_.clear();  // their faces before the library
    if (biblioteca_) FT_Done_FreeType(biblioteca_);
}

std::optional<int> ColecaoFontes::adicionar(const std::filesystem::path& arquivo, int face) {
    if (!biblioteca_ && FT_Init_FreeType(&biblioteca_) != 0) {
        biblioteca_ = nullptr;
        return std::nullopt;
    }
    auto fonte = FonteEmbutida::abrir(biblioteca_, arquivo, face);
    if (!fonte) return std::nullopt;
    fontes_.push_back(std::move(fonte));
    return quantas() - 1;
}

}  // namespace trovale::pdf
