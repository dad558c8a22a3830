#include "catalogue/symbol_elements.h"

#include <algorithm>

namespace trovale {

namespace {

using Posicao = std::array<std::string, kSlotsPorPosicao>;

constexpr int kPosicaoParenteses = 3;  // the fourth position, drawn in parentheses
constexpr int kPosicoesSemParenteses = 3;

// ---- elements to one line ----

// A position as text: an aligned element replaces it; a subscript X is put before it and a
// superscript Y after it, both starting from "/" when it is empty. A stacked pair reads "X/Y".
std::string textoDaPosicao(const Posicao& posicao) {
    std::string texto;
    for (const std::string& elemento : posicao) {
        if (elemento.empty()) continue;
        const std::string_view conteudo = std::string_view(elemento).substr(1);
        if (elemento[0] == kMarcaSubscrito) {
            if (texto.empty()) texto.push_back('/');
            texto.insert(0, conteudo);
        } else if (elemento[0] == kMarcaSobrescrito) {
            if (texto.empty()) texto.push_back('/');
            texto += conteudo;
        } else {
            texto = elemento;
        }
    }
    return texto;
}

// Empty positions among the first three close up to the left.
void juntarPosicoes(std::array<std::string, kPosicoesSemParenteses>& p) {
    if (p[1].empty()) std::swap(p[1], p[2]);
    if (p[0].empty()) {
        std::swap(p[0], p[1]);
        std::swap(p[1], p[2]);
    }
}

bool temBarra(const std::string& texto) {
    return texto.find('/') != std::string::npos;
}

}  // namespace

// line := p1 [sep] p2 [sep] p3 ["(" p4 ")"]; a separator "/" is needed only where a stacked
// position would otherwise run into its neighbour.
std::string CifraLinearDe(const ElementosCifra& elementos) {
    std::array<std::string, kPosicoesSemParenteses> p;
    for (int i = 0; i < kPosicoesSemParenteses; ++i) p[i] = textoDaPosicao(elementos[i]);
    const std::string parenteses = textoDaPosicao(elementos[kPosicaoParenteses]);
    juntarPosicoes(p);

    bool barra12 = false, barra23 = false;
    if (!p[1].empty()) {
        if (temBarra(p[1])) {
            barra12 = true;
            barra23 = !p[2].empty();
        } else {
            barra12 = temBarra(p[0]);
            barra23 = temBarra(p[2]);
        }
    }
    std::string linha = p[0];
    if (barra12) linha += '/';
    linha += p[1];
    if (barra23) linha += '/';
    linha += p[2];
    if (!parenteses.empty()) {
        linha += '(';
        linha += parenteses;
        linha += ')';
    }
    return linha;
}

namespace {

// ---- one line to elements ----

std::string elementoCortado(char marca, std::string_view texto) {
    std::string elemento;
    if (marca != 0) elemento += marca;
    elemento += texto;
    elemento.resize(std::min(elemento.size(), kMaxElemento));
    return elemento;
}

// segment := aligned | [subscript] "/" [superscript]. A position that already holds an
// element (the leading "m") takes no second segment: the surplus is dropped.
void colocarSegmento(std::string_view segmento, Posicao& posicao) {
    if (segmento.empty() || !posicao[0].empty()) return;
    const std::size_t barra = segmento.find('/');
    if (barra == std::string_view::npos) {
        posicao[0] = elementoCortado(0, segmento);
        return;
    }
    const std::string_view sub = segmento.substr(0, barra);
    const std::string_view sobre = segmento.substr(barra + 1);
    int slot = 0;
    if (!sub.empty()) posicao[slot++] = elementoCortado(kMarcaSubscrito, sub);
    if (!sobre.empty()) posicao[slot] = elementoCortado(kMarcaSobrescrito, sobre);
}

// "(" ... [")"]: the first parenthesised part leaves the text for the fourth position.
void tirarParenteses(std::string& texto, ElementosCifra& elementos) {
    const std::size_t abre = texto.find('(');
    if (abre == std::string::npos) return;
    const std::size_t fecha = texto.find(')', abre);
    const std::size_t fim = fecha == std::string::npos ? texto.size() : fecha + 1;
    const std::size_t tamanhoDentro =
        (fecha == std::string::npos ? texto.size() : fecha) - abre - 1;
    colocarSegmento(std::string_view(texto).substr(abre + 1, tamanhoDentro),
                    elementos[kPosicaoParenteses]);
    texto.erase(abre, fim - abre);
}

// Index of the k-th "/" (1-based); the caller knows it exists.
std::size_t posicaoDaBarra(const std::string& texto, int k) {
    std::size_t pos = texto.find('/');
    for (int i = 1; i < k; ++i) pos = texto.find('/', pos + 1);
    return pos;
}

// A leading minor "m" stands on its own in position 1 when an odd number of slashes follows
// and it does not begin "maj" or a stacked pair.
void tirarMenorInicial(std::string& texto, int barras, ElementosCifra& elementos) {
    if (texto.size() < 2 || texto[0] != 'm' || texto[1] == 'a' || texto[1] == '/' ||
        barras % 2 == 0)
        return;
    elementos[0][0].push_back('m');
    texto.erase(0, 1);
}

}  // namespace

// line := [ "m" ] segments separated by "/", taken two slashes at a time from the right into
// positions 3, 2, 1; anything left of position 1 is dropped.
ElementosCifra ElementosDaCifra(std::string_view texto) {
    ElementosCifra elementos;
    std::string resto(texto);
    tirarParenteses(resto, elementos);
    int barras = static_cast<int>(std::count(resto.begin(), resto.end(), '/'));
    tirarMenorInicial(resto, barras, elementos);
    for (int posicao = kPosicoesSemParenteses - 1; posicao >= 0; --posicao) {
        std::string segmento;
        if (barras >= 2) {
            const std::size_t barra = posicaoDaBarra(resto, barras - 1);
            segmento = resto.substr(barra + 1);
            resto.erase(barra);
        } else {
            segmento = std::move(resto);
            resto.clear();
        }
        colocarSegmento(segmento, elementos[posicao]);
        barras -= 2;
    }
    return elementos;
}

}  // namespace trovale
