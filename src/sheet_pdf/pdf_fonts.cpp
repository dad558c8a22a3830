#include "sheet_pdf/pdf_fonts.h"

#include "fonts/font_face.h"

namespace trovale {

std::optional<int> FontesDoDocumento::indice(const fontes::ArquivoFonte& arquivo) {
    const auto achado = indices_.find(arquivo);
    if (achado != indices_.end()) return achado->second;
    return indices_[arquivo] = documento_->adicionarFonte(arquivo.caminho, arquivo.indice);
}

std::optional<int> FontesDoDocumento::indice(const fontes::FaceFonte& face) {
    if (&face != ultimaFace_) {
        ultimoIndice_ = indice(face.arquivo());
        ultimaFace_ = &face;
    }
    return ultimoIndice_;
}

}  // namespace trovale
