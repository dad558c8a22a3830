#include "cli/usage_errors.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string_view>
#include <utility>

namespace trovale::cli {

namespace {

// The text between `antes` and `depois` when `texto` is exactly antes + X + depois.
std::optional<std::string> entre(std::string_view texto, std::string_view antes,
                                 std::string_view depois) {
    if (texto.size() < antes.size() + depois.size() || !texto.starts_with(antes) ||
        !texto.ends_with(depois))
        return std::nullopt;
    return std::string(texto.substr(antes.size(), texto.size() - antes.size() - depois.size()));
}

// "A sep B" cut at the first `sep`.
std::optional<std::pair<std::string, std::string>> partes(std::string_view texto,
                                                          std::string_view sep) {
    const auto onde = texto.find(sep);
    if (onde == std::string_view::npos) return std::nullopt;
    return std::pair{std::string(texto.substr(0, onde)),
                     std::string(texto.substr(onde + sep.size()))};
}

std::string faltando(std::string_view texto) {
    if (texto == "A subcommand is required") return "falta o subcomando.";
    if (auto nome = entre(texto, "", " is required")) return "falta " + *nome + ".";
    return {};
}

// The parser lists the extra arguments last first.
std::string naOrdemDada(const std::string& invertidos) {
    std::string ordem;
    std::size_t fim = invertidos.size();
    while (fim > 0) {
        const std::size_t espaco = invertidos.rfind(' ', fim - 1);
        const std::size_t inicio = espaco == std::string::npos ? 0 : espaco + 1;
        ordem += (ordem.empty() ? "" : " ") + invertidos.substr(inicio, fim - inicio);
        fim = espaco == std::string::npos ? 0 : espaco;
    }
    return ordem;
}

std::string sobrando(std::string_view texto) {
    if (auto a = entre(texto, "The following argument was not expected: ", ""))
        return "argumento não esperado: " + *a + ".";
    if (auto a = entre(texto, "The following arguments were not expected: ", ""))
        return "argumentos não esperados: " + naOrdemDada(*a) + ".";
    return {};
}

std::string conversao(std::string_view texto) {
    if (auto p = partes(texto, " = "); p && texto.starts_with("Could not convert: "))
        return p->first.substr(19) + ": \"" + p->second + "\" não vale.";
    if (auto nome = entre(texto, "", ": too many inputs for a flag"))
        return *nome + " não leva valor.";
    if (auto nome = entre(texto, "", ": Should be true/false or a number"))
        return *nome + ": use true, false ou um número.";
    if (auto resto = entre(texto, "The value ", ""))
        if (auto p = partes(*resto, " is not an allowed value for "))
            return p->second + ": \"" + p->first + "\" não vale.";
    return {};
}

std::string quantidade(std::string_view texto) {
    if (auto p = partes(texto, ": "); p && p->second.ends_with(" missing"))
        return p->first + ": falta o valor.";
    for (std::string_view inicio : {"Expected exactly ", "Expected at least "})
        if (auto resto = entre(texto, inicio, ""))
            if (auto p = partes(*resto, " arguments to "))
                if (auto nome = partes(p->second, ", got "))
                    return nome->first + ": espera " + p->first + " valor(es); recebeu " +
                           nome->second + ".";
    return {};
}

std::string relacao(std::string_view texto) {
    if (auto p = partes(texto, " requires ")) return p->first + " exige " + p->second + ".";
    if (auto p = partes(texto, " excludes "))
        return p->first + " não combina com " + p->second + ".";
    return {};
}

}  // namespace

std::string mensagemDeUso(const CLI::ParseError& erro) {
    const std::string_view texto = erro.what();
    std::string mensagem;
    if (dynamic_cast<const CLI::RequiredError*>(&erro))
        mensagem = faltando(texto);
    else if (dynamic_cast<const CLI::ExtrasError*>(&erro))
        mensagem = sobrando(texto);
    else if (dynamic_cast<const CLI::ConversionError*>(&erro))
        mensagem = conversao(texto);
    else if (dynamic_cast<const CLI::ArgumentMismatch*>(&erro))
        mensagem = quantidade(texto);
    else if (dynamic_cast<const CLI::RequiresError*>(&erro) ||
             dynamic_cast<const CLI::ExcludesError*>(&erro))
        mensagem = relacao(texto);
    else if (dynamic_cast<const CLI::ValidationError*>(&erro))
        mensagem = std::string(texto);  // our own checks: already in Portuguese
    return mensagem.empty() ? "linha de comando inválida." : mensagem;
}

}  // namespace trovale::cli
