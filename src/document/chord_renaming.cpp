#include "document/chord_renaming.h"

#include <algorithm>
#include <charconv>

namespace trovale {

namespace {

// Marks an entry given its new symbol while the others are still being looked up.
constexpr char kRenomeado = 'z';

unsigned char minuscula(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool antesSemCaixa(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return minuscula(x) < minuscula(y); });
}

int tipoDoCodigo(const std::string& codigo) {
    int tipo = 0;
    const auto [fim, erro] = std::from_chars(codigo.data(), codigo.data() + codigo.size(), tipo);
    return erro == std::errc{} && fim == codigo.data() + codigo.size() ? tipo : 0;
}

int acharSimbolo(const ChordTable& tabela, std::string_view simbolo) {
    const auto achado = std::find(tabela.Symbols.begin(), tabela.Symbols.end(), simbolo);
    return achado == tabela.Symbols.end() ? -1 : static_cast<int>(achado - tabela.Symbols.begin());
}

// The marked symbol for a renamed entry, with a variant tag when another has it already.
std::string simboloMarcado(const ChordTable& tabela, const std::string& armazenado) {
    const std::string marcado = kRenomeado + armazenado;
    if (acharSimbolo(tabela, marcado) < 0) return marcado;
    const std::string base = kRenomeado + std::string(withoutVariantTag(armazenado));
    for (int n = 2;; ++n)
        if (acharSimbolo(tabela, base + variantTag(n)) < 0) return base + variantTag(n);
}

}  // namespace

std::vector<LinhaTransposicao> linhasParaTransposicao(const ChordTable& tabela) {
    std::vector<LinhaTransposicao> linhas;
    for (int k = 0; k < tabela.size(); ++k) {
        if (tabela.isFree(k)) continue;
        LinhaTransposicao linha;
        linha.simbolo = tabela.Symbols[k];
        linha.digitacao = tabela.Fingerings[k];
        linha.tipo = tipoDoCodigo(tabela.TypeCodes[k]);
        linhas.push_back(std::move(linha));
    }
    std::stable_sort(linhas.begin(), linhas.end(), [](const auto& a, const auto& b) {
        return antesSemCaixa(a.simbolo, b.simbolo);
    });
    return linhas;
}

void renomearAcordes(ChordTable& tabela, const std::vector<LinhaTransposicao>& linhas) {
    std::vector<int> renomeadas;
    for (const LinhaTransposicao& linha : linhas) {
        const int k = acharSimbolo(tabela, linha.simbolo);
        if (k < 0) continue;
        tabela.Symbols[k] = simboloMarcado(tabela, storedSymbol(linha.novoSimbolo));
        tabela.Fingerings[k] = linha.novaDigitacao;
        renomeadas.push_back(k);
    }
    for (int k : renomeadas) tabela.Symbols[k].erase(0, 1);
}

}  // namespace trovale
