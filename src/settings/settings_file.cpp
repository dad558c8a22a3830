#include "settings/settings_file.h"

#include <charconv>

namespace trovale {

std::vector<std::string> linhasArquivo(std::string_view bytes) {
    std::vector<std::string> linhas;
    while (!bytes.empty()) {
        const std::size_t fim = bytes.find('\n');
        std::string_view linha = bytes.substr(0, fim);
        if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
        linhas.emplace_back(linha);
        if (fim == std::string_view::npos) break;
        bytes.remove_prefix(fim + 1);
    }
    // A blank line left at the end by an editor is not a damaged record.
    while (!linhas.empty() && linhas.back().empty()) linhas.pop_back();
    return linhas;
}

namespace {

bool separaNumeros(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::vector<int>> lerInteiros(std::string_view linha, int quantos,
                                            std::string_view* resto) {
    std::vector<int> numeros;
    std::size_t pos = 0;
    for (int i = 0; i < quantos; ++i) {
        while (pos < linha.size() && separaNumeros(linha[pos])) ++pos;
        if (pos < linha.size() && linha[pos] == '+') {
            ++pos;
            if (pos < linha.size() && linha[pos] == '-') return std::nullopt;
        }
        int valor = 0;
        const char* fim = linha.data() + linha.size();
        const auto [ptr, erro] = std::from_chars(linha.data() + pos, fim, valor);
        if (erro != std::errc() || (ptr != fim && !separaNumeros(*ptr))) return std::nullopt;
        numeros.push_back(valor);
        pos = static_cast<std::size_t>(ptr - linha.data());
    }
    if (resto) *resto = linha.substr(pos);
    return numeros;
}

std::optional<double> numeroDecimal(std::string_view texto) {
    std::string normal;
    bool temSeparador = false;
    bool temDigito = false;
    for (char c : texto) {
        if (c >= '0' && c <= '9') {
            temDigito = true;
            normal += c;
        } else if ((c == ',' || c == '.') && !temSeparador) {
            temSeparador = true;
            normal += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!temDigito) return std::nullopt;
    if (normal.front() == '.') normal.insert(0, "0");
    double valor = 0;
    const auto [ptr, erro] = std::from_chars(normal.data(), normal.data() + normal.size(), valor);
    if (erro != std::errc()) return std::nullopt;
    return valor;
}

}  // namespace trovale
