#include "catalogue/chord_interpreter.h"

#include "catalogue/chord_symbol.h"
#include "catalogue/notes.h"
#include "catalogue/symbol_elements.h"
#include "catalogue/symbol_normalizer.h"
#include "catalogue/type_lookup.h"

namespace trovale {

namespace {

constexpr std::size_t kMaxTextoAcorde = 5;  // Raiz and Baixo in the chord record

bool ehLetraDeNota(char c) {
    return c >= 'A' && c <= 'G';
}

// d = bass - root in semitones, 0..11.
int intervaloDoBaixo(int raiz, int baixo) {
    const int d = baixo - raiz;
    return d < 0 ? d + kNotasPorOitava : d;
}

// The symbol's type: by its written form first, then by the intervals it implies.
int tipoDoSimbolo(const CatalogoTipos& tipos, std::string_view canonica) {
    const int tipo = TipoPorCifra(tipos, canonica);
    return tipo != 0 ? tipo : TipoPorIntervalos(tipos, canonica);
}

}  // namespace

// word := root symbol [bass] [mark]. Refused: no root letter A..G, a root or bass that is no
// pitch class, a bass sounding like the root, or symbol text left over after normalizing.
InterpretacaoAcorde InterpretarAcorde(const CatalogoTipos& tipos, std::string_view palavra) {
    InterpretacaoAcorde r;
    if (palavra.empty() || !ehLetraDeNota(palavra[0])) return r;
    std::string simbolo(palavra);
    r.acorde.Raiz = ExtrairRaiz(simbolo);
    r.chave = chaveDeOrdenacao(palavra);

    const std::string baixo = ExtrairBaixo(simbolo, r.acorde.Raiz);
    const int notaRaiz = ValorNota(r.acorde.Raiz);
    const int notaBaixo = ValorNota(baixo);
    if (baixo.empty() || notaRaiz == 0 || notaBaixo == 0) return r;
    r.acorde.Baixo = baixo.substr(0, kMaxTextoAcorde);
    r.variante = numeroVariante(r.acorde.Baixo);

    r.acorde.Elementos = ElementosDaCifra(simbolo);
    r.canonica = NormalizarCifra(simbolo);
    if (!simbolo.empty()) return r;

    const int tipo = tipoDoSimbolo(tipos, r.canonica);
    r.acorde.Tipo = tipo;
    r.acorde.TipoComBaixo =
        notaBaixo != notaRaiz && tipo != 0
            ? TipoIncluindoBaixo(tipos, intervaloDoBaixo(notaRaiz, notaBaixo), tipo)
            : tipo;
    r.ehAcorde = true;
    return r;
}

// key := letter ("f" | "s" for "#" | "b") rest — flats, naturals, sharps sort in that order.
std::string chaveDeOrdenacao(std::string_view palavra) {
    std::string chave(palavra);
    if (chave.empty()) return chave;
    if (chave.size() >= 2 && chave[1] == '#')
        chave[1] = 's';
    else if (chave.size() < 2 || chave[1] != 'b')
        chave.insert(chave.begin() + 1, 'f');
    return chave;
}

// The key as the user writes it: no "f", "s" back to "#".
std::string chaveParaExibicao(std::string_view chave) {
    std::string texto(chave);
    if (texto.size() < 2) return texto;
    if (texto[1] == 'f')
        texto.erase(1, 1);
    else if (texto[1] == 's')
        texto[1] = '#';
    return texto;
}

}  // namespace trovale
