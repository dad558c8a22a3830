#include "sheet_pdf/pdf_fonts.h"

namespace trovale {

std::optional<int> FontesDoDocumento::indice(const fontes::ArquivoFonte& arquivo) {
    const auto achado = indices_.find(arquivo);
    if (achado != indices_.end()) return achado->second;
    return indices_[arquivo] = documento_->adicionarFonte(arquivo.caminho, arquivo.indice);
}

}  // namespace trovale
