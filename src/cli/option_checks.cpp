#include "cli/option_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace trovale::cli {

namespace {

// The whole text as a number, or nothing: "", "12abc" and " 3" are not numbers.
std::optional<long> inteiroDoTexto(const std::string& texto) {
    const char* inicio = texto.data();
    if (!texto.empty() && texto.front() == '+') ++inicio;
    const char* fim = texto.data() + texto.size();
    long valor = 0;
    const auto [resto, erro] = std::from_chars(inicio, fim, valor);
    if (inicio == fim || erro != std::errc() || resto != fim) return std::nullopt;
    return valor;
}

std::optional<double> numeroDoTexto(const std::string& texto) {
    const char* inicio = texto.data();
    if (!texto.empty() && texto.front() == '+') ++inicio;
    const char* fim = texto.data() + texto.size();
    double valor = 0;
    const auto [resto, erro] = std::from_chars(inicio, fim, valor, std::chars_format::fixed);
    if (inicio == fim || erro != std::errc() || resto != fim || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

std::string comoTexto(double valor) {
    std::string texto = std::to_string(valor);
    texto.erase(texto.find_last_not_of('0') + 1);
    if (texto.back() == '.') texto.pop_back();
    return texto;
}

std::string recusa(const std::string& texto, const std::string& esperado) {
    return "\"" + texto + "\" não vale: " + esperado + ".";
}

}  // namespace

CLI::Validator inteiroEntre(long menor, long maior) {
    const std::string esperado =
        "use um número inteiro de " + std::to_string(menor) + " a " + std::to_string(maior);
    return CLI::Validator(
        [=](const std::string& texto) {
            const auto valor = inteiroDoTexto(texto);
            return valor && *valor >= menor && *valor <= maior ? std::string()
                                                               : recusa(texto, esperado);
        },
        "", "inteiro");
}

CLI::Validator inteiroEntre(std::initializer_list<long> aceitos) {
    const std::vector<long> valores(aceitos);
    std::string esperado = "use ";
    for (std::size_t i = 0; i < valores.size(); ++i)
        esperado += (i == 0                    ? ""
                     : i + 1 == valores.size() ? " ou "
                                               : ", ") +
                    std::to_string(valores[i]);
    return CLI::Validator(
        [=](const std::string& texto) {
            const auto valor = inteiroDoTexto(texto);
            const bool aceito =
                valor && std::find(valores.begin(), valores.end(), *valor) != valores.end();
            return aceito ? std::string() : recusa(texto, esperado);
        },
        "", "um de");
}

CLI::Validator numeroEntre(double menor, double maior) {
    const std::string esperado = "use um número de " + comoTexto(menor) + " a " + comoTexto(maior);
    return CLI::Validator(
        [=](const std::string& texto) {
            const auto valor = numeroDoTexto(texto);
            return valor && *valor >= menor && *valor <= maior ? std::string()
                                                               : recusa(texto, esperado);
        },
        "", "número");
}

}  // namespace trovale::cli
