#pragma once
// The shipped and golden songs, and the page they are laid out on in the paper tests.

#include <algorithm>
#include <filesystem>
#include <vector>

#include "settings/page_layout.h"

namespace trovale::testing {

inline std::vector<std::filesystem::path> cancoesDeExemplo() {
    namespace fs = std::filesystem;
    const fs::path raiz = fs::path(__FILE__).parent_path().parent_path().parent_path();
    std::vector<fs::path> cancoes;
    for (const fs::path& pasta : {raiz / "data" / "songs", raiz / "tests" / "document" / "golden"})
        for (const auto& e : fs::directory_iterator(pasta))
            if (e.path().extension() == ".dec") cancoes.push_back(e.path());
    std::sort(cancoes.begin(), cancoes.end());
    return cancoes;
}

// A4 portrait between 30 and 20 mm margins, split into equal columns.
inline PageLayout emColunas(PageLayout layout, int colunas) {
    const int espaco = colunas == 1 ? 0 : 8;
    const int largura = (160 - espaco * (colunas - 1)) / colunas;
    layout.margemEsquerda = 30;
    layout.margemDireita = 20;
    layout.orientacao = 0;
    layout.numColunas = colunas;
    layout.espacoColunas = espaco;
    layout.coluna1 = largura;
    layout.coluna2 = colunas >= 2 ? largura : 0;
    layout.coluna3 = colunas >= 3 ? largura : 0;
    return layout;
}

}  // namespace trovale::testing
