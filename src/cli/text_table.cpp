#include "cli/text_table.h"

#include <algorithm>

#include "base/text_codec.h"

namespace trovale::cli {

void TabelaTexto::linha(std::vector<std::string> celulas) {
    celulas.resize(colunas_.size());
    linhas_.push_back({std::move(celulas), false});
}

void TabelaTexto::linhaLivre(std::string texto) {
    linhas_.push_back({{std::move(texto)}, true});
}

void TabelaTexto::escrever(std::ostream& saida) const {
    std::vector<std::size_t> larguras(colunas_.size(), 0);
    for (const Linha& l : linhas_)
        if (!l.livre)
            for (std::size_t c = 0; c < colunas_.size(); ++c)
                larguras[c] = std::max(larguras[c], l.celulas[c].size());

    for (const Linha& l : linhas_) {
        std::string texto;
        if (l.livre) texto = l.celulas.front();
        for (std::size_t c = 0; !l.livre && c < colunas_.size(); ++c) {
            if (c > 0) texto += "  ";
            const std::string enchimento(larguras[c] - l.celulas[c].size(), ' ');
            texto += colunas_[c] == Alinhamento::Direita ? enchimento + l.celulas[c]
                                                         : l.celulas[c] + enchimento;
        }
        texto.erase(texto.find_last_not_of(' ') + 1);
        saida << utf8DeWindows1252(texto) << '\n';
    }
}

}  // namespace trovale::cli
