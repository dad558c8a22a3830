#include "document/page_list.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace trovale {

namespace {

constexpr std::string_view kEspacoNoTraco =
    "Não pode haver espaço entre o traço e o número das páginas.";
constexpr std::string_view kTracoSozinho = "Um traço sozinho não tem significado.";

struct Faixa {
    long long de = 0;
    long long ate = 0;
};

std::string_view aparado(std::string_view s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return {};
    return s.substr(inicio, s.find_last_not_of(' ') - inicio + 1);
}

// Digits only; a number too long for any song counts as past the last page.
std::optional<long long> numero(std::string_view s) {
    if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long valor = 0;
    const auto [fim, erro] = std::from_chars(s.data(), s.data() + s.size(), valor);
    if (erro == std::errc::result_out_of_range) return 1LL << 40;
    return valor;
}

std::string naoEhPagina(std::string_view token) {
    return "\"" + std::string(token) + "\" não é um número de página nem uma faixa (ex: 5-8).";
}

// One token as a range of pages; the message when it cannot be read.
std::optional<Faixa> lerToken(std::string token, int total, std::string& erro) {
    if (token == "-") {
        erro = kTracoSozinho;
        return std::nullopt;
    }
    if (token.find('-') == std::string::npos) {
        const auto n = numero(token);
        if (!n) erro = naoEhPagina(token);
        return n ? std::optional<Faixa>(Faixa{*n, *n}) : std::nullopt;
    }
    const std::string original = token;
    if (token.front() == '-') token.insert(0, "1");
    if (token.back() == '-') token += std::to_string(total);
    const auto traco = token.find('-');
    const auto de = numero(std::string_view(token).substr(0, traco));
    const auto ate = numero(std::string_view(token).substr(traco + 1));
    if (!de || !ate) {
        erro = naoEhPagina(original);
        return std::nullopt;
    }
    return Faixa{*de, *ate};
}

}  // namespace

int maximoDePaginas(int totalPaginas) {
    constexpr int kPoucas = 100, kVezes = 10, kTeto = 10000;
    return static_cast<int>(std::clamp<long long>(1LL * totalPaginas * kVezes, kPoucas, kTeto));
}

std::string listaTodas(int totalPaginas) {
    return "1-" + std::to_string(totalPaginas);
}

ListaPaginas lerListaPaginas(std::string_view texto, int totalPaginas) {
    std::string normal(texto);
    std::replace(normal.begin(), normal.end(), ',', ' ');
    std::string_view resto = aparado(normal);
    ListaPaginas lista;
    if (resto.find(" - ") != std::string_view::npos) {
        lista.erro = kEspacoNoTraco;
        return lista;
    }
    std::vector<Faixa> faixas;
    while (!resto.empty()) {
        const auto fim = std::min(resto.find(' '), resto.size());
        const auto faixa = lerToken(std::string(resto.substr(0, fim)), totalPaginas, lista.erro);
        if (!faixa) return lista;
        faixas.push_back(*faixa);
        resto = aparado(resto.substr(fim));
    }
    const auto foraDoLimite = [totalPaginas](long long n) { return n < 1 || n > totalPaginas; };
    for (const Faixa& f : faixas) {
        if (foraDoLimite(f.de) || foraDoLimite(f.ate)) {
            lista.erro = "Lista de páginas excede limite (1-" + std::to_string(totalPaginas) + ").";
            return lista;
        }
    }
    long long pedidas = 0;
    for (const Faixa& f : faixas) pedidas += (f.de <= f.ate ? f.ate - f.de : f.de - f.ate) + 1;
    const int maximo = maximoDePaginas(totalPaginas);
    if (pedidas > maximo) {
        lista.erro = "A lista pede páginas demais (" + std::to_string(pedidas) + "); o máximo é " +
                     std::to_string(maximo) + ".";
        return lista;
    }
    for (const Faixa& f : faixas) {
        const int passo = f.de <= f.ate ? 1 : -1;
        for (auto n = f.de;; n += passo) {
            lista.paginas.push_back(static_cast<int>(n));
            if (n == f.ate) break;
        }
    }
    if (lista.paginas.empty()) lista.erro = "A lista não tem nenhuma página.";
    return lista;
}

}  // namespace trovale
