#include "catalogue/symbol_normalizer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace trovale {

namespace {

// One row: the canonical token it emits and the written forms searched, in order.
struct LinhaSinonimos {
    std::string_view canonica;
    std::array<std::string_view, 5> formas;  // unused forms are empty
};

constexpr std::string_view kAlt = "alt";

// Rows are tried in this order; the canonical string lists their tokens in the same order.
constexpr std::array<LinhaSinonimos, 17> TabelaSinonimos = {{
    {"7M", {"7M", "maj7", "7maj", "7+", "M7"}},
    {"sus2", {"sus2", "2"}},
    {"sus4", {"sus4", "4", "sus"}},
    {"#9", {"#9", "9#", "+9", "9+", kAlt}},
    {"b9", {"b9", "9b", "-9", "9-"}},
    {"add9", {"add9", "9"}},
    {"#11", {"#11", "11#", "+11", "11+"}},
    {"11", {"11"}},
    {"b13", {"b13", "13b", "-13", "13-"}},
    {"13", {"13"}},
    {"6", {"6"}},
    {"o7", {"o7", "o", "dim7", "dim", "bb7"}},
    {"b7", {"b7", "7", "7b", kAlt}},
    {"b5", {"b5", "5b", "-5", "5-"}},
    {"#5", {"#5", "5#", "+5", "5+", "+"}},
    {"#5", {"#5", kAlt}},
    {"m", {"m", "-"}},
}};
constexpr std::size_t kLinhaMenor = TabelaSinonimos.size() - 1;

void trocarPrimeira(std::string& texto, std::string_view de, std::string_view para) {
    const std::size_t pos = texto.find(de);
    if (pos != std::string::npos) texto.replace(pos, de.size(), para);
}

void apagarPrimeira(std::string& texto, std::string_view alvo) {
    trocarPrimeira(texto, alvo, {});
}

// "//" collapses to "/" until none is left; a text that is only "//" vanishes.
void juntarBarras(std::string& texto) {
    for (std::size_t pos = texto.find("//"); pos != std::string::npos; pos = texto.find("//")) {
        if (texto.size() == 2) {
            texto.clear();
            return;
        }
        texto.erase(pos, 1);
    }
}

// "(" and ")" separate like "/".
void trocarParenteses(std::string& texto) {
    trocarPrimeira(texto, "(", "/");
    trocarPrimeira(texto, ")", "/");
    juntarBarras(texto);
}

// "º" and "°" (Windows-1252 bytes) read as "/o"; b2, #2, b3, b6 read as b9, #9, m, b13.
void trocarGrafiasAlternativas(std::string& texto) {
    trocarPrimeira(texto, "\xBA", "/o");
    trocarPrimeira(texto, "\xB0", "/o");
    trocarPrimeira(texto, "b2", "b9");
    trocarPrimeira(texto, "#2", "#9");
    trocarPrimeira(texto, "b3", "m");
    trocarPrimeira(texto, "b6", "b13");
}

// The minor sign is the first "m" or "-", whichever comes first.
std::size_t posicaoDoMenor(const std::string& texto) {
    return std::min(texto.find('m'), texto.find('-'));
}

struct FormaAchada {
    std::string_view forma;
    std::size_t pos;
};

// The first of the row's forms, in table order, that occurs anywhere in the text.
std::optional<FormaAchada> acharForma(const std::string& texto, const LinhaSinonimos& linha) {
    for (std::string_view forma : linha.formas) {
        if (forma.empty()) break;
        const std::size_t pos = texto.find(forma);
        if (pos != std::string::npos) return FormaAchada{forma, pos};
    }
    return std::nullopt;
}

// What is left after the rows: "alt", "3", "5" and "8" say nothing, nor does one "/".
void apagarIgnoraveis(std::string& texto) {
    for (std::string_view marca :
         {kAlt, std::string_view("3"), std::string_view("5"), std::string_view("8")})
        apagarPrimeira(texto, marca);
    juntarBarras(texto);
    apagarPrimeira(texto, "/");
}

}  // namespace

// symbol := { synonym | "/" | "(" | ")" | ignorable }; tokens come out in table order.
// A minor sign after another token stays in the text, so the symbol is refused.
std::string NormalizarCifra(std::string& simbolo) {
    if (simbolo.empty()) return {};
    trocarParenteses(simbolo);
    trocarGrafiasAlternativas(simbolo);
    const std::size_t menor = posicaoDoMenor(simbolo);
    std::string canonica;
    bool tokenAntesDoMenor = false;
    for (std::size_t linha = 0; linha < TabelaSinonimos.size() && !simbolo.empty(); ++linha) {
        const auto achada = acharForma(simbolo, TabelaSinonimos[linha]);
        if (!achada) continue;
        canonica += TabelaSinonimos[linha].canonica;
        if (linha == kLinhaMenor && tokenAntesDoMenor) return canonica;
        if (achada->pos < menor) tokenAntesDoMenor = true;
        // "alt" stands for several tokens, so later rows must still see it.
        if (achada->forma == kAlt) continue;
        simbolo.erase(achada->pos, achada->forma.size());
        juntarBarras(simbolo);
    }
    apagarIgnoraveis(simbolo);
    return canonica;
}

}  // namespace trovale
