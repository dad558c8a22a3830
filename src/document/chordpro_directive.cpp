#include "document/chordpro_directive.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>
#include <vector>

#include "base/blanks.h"

namespace trovale {

namespace {

constexpr int kMaiorTraste = 24;  // as the frets notation takes them

char minuscula(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string minusculas(std::string_view texto) {
    std::string saida(texto);
    for (char& c : saida) c = minuscula(c);
    return saida;
}

DiretivaChordPro tipoDoNome(const std::string& nome) {
    static const std::array<std::pair<std::string_view, DiretivaChordPro>, 30> kNomes = {{
        {"title", DiretivaChordPro::Titulo},
        {"t", DiretivaChordPro::Titulo},
        {"subtitle", DiretivaChordPro::Autor},
        {"st", DiretivaChordPro::Autor},
        {"artist", DiretivaChordPro::Autor},
        {"composer", DiretivaChordPro::Autor},
        {"comment", DiretivaChordPro::Comentario},
        {"c", DiretivaChordPro::Comentario},
        {"comment_italic", DiretivaChordPro::Comentario},
        {"ci", DiretivaChordPro::Comentario},
        {"comment_box", DiretivaChordPro::Comentario},
        {"cb", DiretivaChordPro::Comentario},
        {"start_of_chorus", DiretivaChordPro::InicioCoro},
        {"soc", DiretivaChordPro::InicioCoro},
        {"end_of_chorus", DiretivaChordPro::FimDeSecao},
        {"eoc", DiretivaChordPro::FimDeSecao},
        {"start_of_verse", DiretivaChordPro::FimDeSecao},
        {"sov", DiretivaChordPro::FimDeSecao},
        {"end_of_verse", DiretivaChordPro::FimDeSecao},
        {"eov", DiretivaChordPro::FimDeSecao},
        {"start_of_bridge", DiretivaChordPro::FimDeSecao},
        {"sob", DiretivaChordPro::FimDeSecao},
        {"end_of_bridge", DiretivaChordPro::FimDeSecao},
        {"eob", DiretivaChordPro::FimDeSecao},
        {"start_of_tab", DiretivaChordPro::InicioTab},
        {"sot", DiretivaChordPro::InicioTab},
        {"end_of_tab", DiretivaChordPro::FimTab},
        {"eot", DiretivaChordPro::FimTab},
        {"define", DiretivaChordPro::Acorde},
        {"chord", DiretivaChordPro::Acorde},
    }};
    for (const auto& [texto, tipo] : kNomes)
        if (nome == texto) return tipo;
    return DiretivaChordPro::Outra;
}

// Accents of "a" in Windows-1252 (à..å, À..Å) fold to "a", so "Refrão" and "REFRAO" match.
char semAcento(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 0xE0 && b <= 0xE5) || (b >= 0xC0 && b <= 0xC5)) return 'a';
    return minuscula(c);
}

std::string_view semAspas(std::string_view texto) {
    if (texto.empty() || (texto[0] != '"' && texto[0] != '\'')) return texto;
    const std::size_t fim = texto.find(texto[0], 1);
    return texto.substr(1, fim == std::string_view::npos ? std::string_view::npos : fim - 1);
}

std::vector<std::string_view> palavras(std::string_view texto) {
    std::vector<std::string_view> lista;
    std::size_t i = 0;
    while (i < texto.size()) {
        const std::size_t inicio = texto.find_first_not_of(' ', i);
        if (inicio == std::string_view::npos) break;
        const std::size_t fim = std::min(texto.find(' ', inicio), texto.size());
        lista.push_back(texto.substr(inicio, fim - inicio));
        i = fim;
    }
    return lista;
}

std::optional<int> numero(std::string_view texto) {
    int valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (erro != std::errc{} || fim != texto.data() + texto.size()) return std::nullopt;
    return valor;
}

bool ehPalavraChave(std::string_view palavra) {
    static constexpr std::array<std::string_view, 9> kChaves = {
        "base-fret", "frets", "fingers", "keys", "display", "format", "copy", "copyall", "diagram"};
    for (std::string_view chave : kChaves)
        if (minusculas(palavra) == chave) return true;
    return false;
}

// One fret token relative to the base fret: muted, open, or the absolute fret.
std::optional<int> trasteAbsoluto(std::string_view token, int casaBase) {
    if (token == "x" || token == "X" || token == "N" || token == "-1") return kCordaNaoTocada;
    const std::optional<int> relativo = numero(token);
    if (!relativo || *relativo < 0) return std::nullopt;
    if (*relativo == 0) return 0;
    const int absoluto = *relativo + casaBase - 1;
    return absoluto <= kMaiorTraste ? std::optional<int>(absoluto) : std::nullopt;
}

}  // namespace

std::string nomeDoArquivo(std::string nome) {
    std::replace(nome.begin(), nome.end(), kGrau, kOrdinal);
    return nome;
}

// directive := "{" name [(":" | blank) value] "}"
std::optional<LinhaDiretiva> lerDiretiva(std::string_view linha) {
    const std::string_view texto = aparar(linha);
    if (texto.empty() || texto[0] != '{') return std::nullopt;
    LinhaDiretiva diretiva;
    const std::size_t fecha = texto.rfind('}');
    diretiva.fechada = fecha != std::string_view::npos;
    const std::string_view dentro =
        aparar(texto.substr(1, diretiva.fechada ? fecha - 1 : texto.npos));
    const std::size_t fimNome = std::min(dentro.find_first_of(": "), dentro.size());
    diretiva.nome = minusculas(dentro.substr(0, fimNome));
    diretiva.tipo = tipoDoNome(diretiva.nome);
    std::string_view valor = dentro.substr(fimNome);
    if (!valor.empty() && valor[0] == ':') valor.remove_prefix(1);
    diretiva.valor = std::string(aparar(valor));
    if (!valor.empty() && valor[0] == ' ') valor.remove_prefix(1);
    diretiva.comBrancos =
        diretiva.valor.empty() ? "" : std::string(valor.substr(0, valor.find_last_not_of(' ') + 1));
    return diretiva;
}

bool ehRotuloRefrao(std::string_view valor) {
    std::string_view rotulo = aparar(valor);
    if (minusculas(rotulo.substr(0, 6)) == "label=") rotulo = rotulo.substr(6);
    rotulo = aparar(semAspas(rotulo));
    std::string dobrado;
    for (char c : rotulo) dobrado += semAcento(c);
    return dobrado == "refrao";
}

// define := name {keyword values}; keywords base-fret, frets, fingers, keys, ...
std::optional<DefinicaoAcorde> lerDefinicao(std::string_view valor) {
    const std::vector<std::string_view> lista = palavras(valor);
    if (lista.empty() || ehPalavraChave(lista[0])) return std::nullopt;
    DefinicaoAcorde definicao{std::string(lista[0]), std::nullopt};
    int casaBase = 1;
    std::optional<std::vector<std::string_view>> trastes;
    for (std::size_t i = 1; i < lista.size();) {
        const std::string chave = minusculas(lista[i++]);
        std::vector<std::string_view> valores;
        while (i < lista.size() && !ehPalavraChave(lista[i])) valores.push_back(lista[i++]);
        if (chave == "base-fret") {
            const std::optional<int> casa = valores.size() == 1 ? numero(valores[0]) : std::nullopt;
            if (!casa || *casa < 1 || *casa > kMaiorTraste) return std::nullopt;
            casaBase = *casa;
        } else if (chave == "frets") {
            trastes = std::move(valores);
        } else if (!ehPalavraChave(chave)) {
            return std::nullopt;  // words after the name that belong to no keyword
        }
    }
    if (!trastes) return definicao;
    if (trastes->size() != static_cast<std::size_t>(kCordas)) return std::nullopt;
    TrastesAbsolutos absolutos{};
    for (int corda = 0; corda < kCordas; ++corda) {
        const std::optional<int> traste = trasteAbsoluto((*trastes)[corda], casaBase);
        if (!traste) return std::nullopt;
        absolutos[corda] = *traste;
    }
    definicao.trastes = absolutos;
    return definicao;
}

}  // namespace trovale
