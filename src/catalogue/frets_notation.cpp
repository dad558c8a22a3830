#include "catalogue/frets_notation.h"

#include <vector>

namespace trovale {

namespace {

constexpr int kMaxTrasteAbsoluto = 24;

std::optional<int> lerToken(std::string_view token) {
    if (token == "x" || token == "X") return kCordaNaoTocada;
    if (token.empty() || token.size() > 2) return std::nullopt;
    int valor = 0;
    for (char c : token) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = valor * 10 + (c - '0');
    }
    if (valor > kMaxTrasteAbsoluto) return std::nullopt;
    return valor;
}

std::vector<std::string_view> separarTokens(std::string_view texto) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < texto.size()) {
        while (i < texto.size() && texto[i] == ' ') ++i;
        const std::size_t inicio = i;
        while (i < texto.size() && texto[i] != ' ') ++i;
        if (i > inicio) tokens.push_back(texto.substr(inicio, i - inicio));
    }
    return tokens;
}

}  // namespace

TrastesAbsolutos trastesDe(const TDigitacao& d) {
    TrastesAbsolutos trastes{};
    for (int corda = kCordas; corda >= 1; --corda)
        trastes[kCordas - corda] = d.tocada(corda) ? d.trasteAbsoluto(corda) : kCordaNaoTocada;
    return trastes;
}

std::string escreverTrastes(const TrastesAbsolutos& trastes) {
    std::string texto;
    for (int traste : trastes) {
        if (!texto.empty()) texto += ' ';
        texto += traste == kCordaNaoTocada ? std::string("x") : std::to_string(traste);
    }
    return texto;
}

std::optional<TrastesAbsolutos> lerTrastes(std::string_view texto) {
    std::vector<std::string_view> tokens = separarTokens(texto);
    if (tokens.size() == 1 && tokens[0].size() == kCordas) {
        const std::string_view compacto = tokens[0];
        tokens.clear();
        for (std::size_t i = 0; i < compacto.size(); ++i) tokens.push_back(compacto.substr(i, 1));
    }
    if (tokens.size() != kCordas) return std::nullopt;
    TrastesAbsolutos trastes{};
    for (int i = 0; i < kCordas; ++i) {
        const auto valor = lerToken(tokens[i]);
        if (!valor) return std::nullopt;
        trastes[i] = *valor;
    }
    return trastes;
}

}  // namespace trovale
