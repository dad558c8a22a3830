#pragma once
// What the text fuzz targets share: the common chord types, and a text made into a song as
// the text editor's confirm makes it.

#include <string>
#include <vector>

#include "document/text_conversion.h"
#include "document/text_interpretation.h"
#include "support/type_fixture.h"

namespace trovale::fuzz {

inline const Catalogo& catalogo() {
    static const Catalogo c = [] {
        Catalogo novo;
        novo.tipos = testing::catalogoComum();
        return novo;
    }();
    return c;
}

inline SongDocument cancaoDoTexto(std::vector<std::string> linhas) {
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto r = PrepararLinhas(std::move(linhas), {catalogo(), 4}, conhecidos);
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    BuildFromText(doc, textoDoEditor(r, conhecidos));
    return doc;
}

}  // namespace trovale::fuzz
