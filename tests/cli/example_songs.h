#pragma once
// The paper tests' songs with the fonts they are tried in.

#include <filesystem>
#include <string>

#include "command_fixture.h"
#include "document/song_file.h"
#include "support/example_songs.h"

namespace trovale::testing {

// The song with every text and chord font set to `fonte` at `pontos`, keeping each element's
// capitals, bold and italic.
inline std::string cancaoCom(const std::filesystem::path& arquivo, const std::string& fonte,
                             int pontos, int colunas) {
    auto lida = parseSongFile(lerBytes(arquivo), modeloDeFabrica());
    EXPECT_TRUE(lida) << arquivo;
    if (!lida) return {};
    SongDocument& doc = lida->doc;
    for (int elemento : {0, 1, 2, 3, 6, 7, 8}) {
        FonteElemento& f = doc.Template.Fonts[static_cast<std::size_t>(elemento)];
        f.nome = fonte;
        f.tamanho = f.soMaiusculas() ? -pontos : pontos;
    }
    doc.Layout = emColunas(doc.Layout, colunas);
    return songFileText(doc);
}

}  // namespace trovale::testing
