#include "drawing/appearance_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "drawing/appearance_validation.h"

namespace trovale {

namespace {

constexpr int kOpcoes = 4;
constexpr int kProporcoes = 7;

std::vector<std::string_view> palavras(std::string_view texto) {
    std::vector<std::string_view> lista;
    std::size_t i = 0;
    auto branco = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (i < texto.size()) {
        while (i < texto.size() && branco(texto[i])) ++i;
        const std::size_t inicio = i;
        while (i < texto.size() && !branco(texto[i])) ++i;
        if (i > inicio) lista.push_back(texto.substr(inicio, i - inicio));
    }
    return lista;
}

std::optional<int> lerOpcao(std::string_view palavra) {
    int valor = 0;
    const auto [fim, erro] =
        std::from_chars(palavra.data(), palavra.data() + palavra.size(), valor);
    if (erro != std::errc() || fim != palavra.data() + palavra.size()) return std::nullopt;
    if (valor != 1 && valor != 2) return std::nullopt;
    return valor;
}

// Any real notation: "0.01", "1E-2", " 1.00000000000000E-0002", "+1e-2".
std::optional<double> lerReal(std::string_view palavra) {
    if (!palavra.empty() && palavra.front() == '+') palavra.remove_prefix(1);
    double valor = 0;
    const auto [fim, erro] =
        std::from_chars(palavra.data(), palavra.data() + palavra.size(), valor);
    if (erro != std::errc() || fim != palavra.data() + palavra.size()) return std::nullopt;
    if (!std::isfinite(valor)) return std::nullopt;
    return valor;
}

}  // namespace

std::string formatarReal23(double valor) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.14E", valor);
    std::string_view s(texto);
    const std::size_t e = s.find('E');
    const std::string mantissa(s.substr(0, e));
    const char sinalExpoente = s[e + 1];
    const int expoente = std::atoi(texto + e + 2);
    char campo[64];
    std::snprintf(campo, sizeof campo, "%s%sE%c%04d", valor < 0 ? "" : " ", mantissa.c_str(),
                  sinalExpoente, expoente);
    return campo;
}

std::string bytesAparencia(const Aparencia& a) {
    std::string bytes = std::to_string(a.Orientacao) + ' ' + std::to_string(a.Inicio) + ' ' +
                        std::to_string(a.PrimeiraCorda) + ' ' + std::to_string(a.Extensao) + "\r\n";
    for (int numero = kPropWC; numero <= kPropWL; ++numero) {
        if (numero > kPropWC) bytes += ' ';
        bytes += formatarReal23(a.proporcao(numero));
    }
    return bytes + "\r\n";
}

// The proportions are checked against one another as the file holds them: checked against
// the factory values, a set the window itself accepted (say traste 3 % with base 6 %) could
// never be read back. Fifteen digits also round a value that sits exactly on a ratio (a string
// of 6 pixels with dots of 8) to either side of it, hence the slack.
constexpr double kFolgaLeitura = 1e-12;

namespace {

// A value as the file will hold it once saved again: checked in that form, what is accepted
// now is accepted after the next save too, even on the very edge of a ratio.
double comoGravado(double valor) {
    const std::string campo = formatarReal23(valor);
    const std::size_t inicio = campo.find_first_not_of(' ');
    return lerReal(std::string_view(campo).substr(inicio)).value_or(valor);
}

}  // namespace

std::optional<Aparencia> lerBytesAparencia(std::string_view bytes) {
    const std::vector<std::string_view> lista = palavras(bytes);
    if (lista.size() < kOpcoes + kProporcoes) return std::nullopt;
    Aparencia a;
    int* opcoes[kOpcoes] = {&a.Orientacao, &a.Inicio, &a.PrimeiraCorda, &a.Extensao};
    for (int i = 0; i < kOpcoes; ++i) {
        const auto valor = lerOpcao(lista[i]);
        if (!valor) return std::nullopt;
        *opcoes[i] = *valor;
    }
    for (int numero = kPropWC; numero <= kPropWL; ++numero) {
        const auto valor = lerReal(lista[kOpcoes + numero - 1]);
        if (!valor) return std::nullopt;
        a.proporcao(numero) = comoGravado(*valor);
    }
    if (!proporcoesValidas(a, kFolgaLeitura)) return std::nullopt;
    return a;
}

Aparencia carregarAparencia(FileSystem& fs, const std::filesystem::path& pasta) {
    std::optional<std::string> bytes;
    try {
        bytes = fs.readFile(pasta / kArquivoAparencia, kLimiteConfiguracao);
    } catch (const FileSystemError&) {
        return Aparencia{};
    }
    if (!bytes) return Aparencia{};
    return lerBytesAparencia(*bytes).value_or(Aparencia{});
}

bool gravarAparencia(FileSystem& fs, const std::filesystem::path& pasta,
                     const Aparencia& aparencia) {
    return gravarConfiguracao(fs, pasta / kArquivoAparencia, bytesAparencia(aparencia));
}

}  // namespace trovale
