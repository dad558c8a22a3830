#pragma once
// The faces one PDF document embeds: each file once, whatever page or surface draws with it.

#include <map>
#include <optional>

#include "fonts/font_library.h"
#include "pdf/documento_pdf.h"

namespace trovale {

class FontesDoDocumento {
  public:
    // The document must outlive the registry.
    explicit FontesDoDocumento(pdf::DocumentoPdf& documento) : documento_(&documento) {}

    pdf::DocumentoPdf& documento() const { return *documento_; }
    // The document's handle for a face file, added on first use; nothing when the file
    // cannot be embedded (the answer is kept too).
    std::optional<int> indice(const fontes::ArquivoFonte& arquivo);
    // The same for an open face; a sheet draws run after run in one face.
    std::optional<int> indice(const fontes::FaceFonte& face);

  private:
    pdf::DocumentoPdf* documento_;
    std::map<fontes::ArquivoFonte, std::optional<int>> indices_;
    const fontes::FaceFonte* ultimaFace_ = nullptr;
    std::optional<int> ultimoIndice_;
};

}  // namespace trovale
