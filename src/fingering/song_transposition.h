#pragma once
// A whole song moved by a number of semitones: every distinct chord gets a new symbol, spelled
// after the key chord, and a new fingering; then the spellings the review offers per chord.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"

namespace trovale {

// One distinct chord of the song, as the transposition window lists it.
struct LinhaTransposicao {
    std::string simbolo;    // stored form, as the song keeps it ("Cf/E", "Csm7", "Af*c")
    std::string digitacao;  // fingering code, "0" = none
    int tipo = 0;           // chord type, bass included, as the song keeps it
    // The result: the original symbol (display form) and code while nothing is transposed.
    std::string novoSimbolo;  // display form: "F#", "D/F#", "Bb7"
    std::string novaDigitacao;
    bool baixoForaDoTipo = false;  // the moved bass is no tone of the type: the window beeps
};

struct OpcoesTransposicao {
    bool similaridade = false;            // "Similaridade"; otherwise "Simplicidade"
    bool sugerirMesmoIndefinida = false;  // a new fingering even where there was none
};

// The shift after a step: reaching +12 or -12 comes back to 0.
int normalizarDeslocamento(int deslocamento);

// What the window shows of the shift: "1 semitom acima:", "3 semitons abaixo:", "" for 0.
std::string textoDoDeslocamento(int deslocamento);

// Resets every row to its original symbol and code, then, for a shift other than 0, moves
// every chord: the key chord (row linhaDoTom), spelled in the key with fewer accidentals,
// sets the spelling of all the others by letter distance. casas is the number of fret rows
// the diagrams show (4 or 5). A row whose root or bass is no note stays as it was.
void transporLinhas(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                    const OpcoesTransposicao& opcoes, const Catalogo& catalogo, int casas);

// transporLinhas without new fingerings: only the symbols move, each row keeps its code.
void grafarLinhas(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                  const CatalogoTipos& tipos);

// The key the key chord gives: its root (1..12) and whether it is minor.
struct TomDaCancao {
    int nota = 0;
    bool menor = false;
};
// Nothing when no row can be read as a chord.
std::optional<TomDaCancao> tomDasLinhas(const std::vector<LinhaTransposicao>& linhas,
                                        int linhaDoTom, const CatalogoTipos& tipos);

// A key as a musician writes it, "Bb" or "F#m": the spelling with fewer accidentals; on a tie,
// sharps after a move up and flats after a move down. `nota` is any whole number of semitones.
std::string grafiaDaTonica(int nota, bool menor, int deslocamento);

// The key chord's new root written the other way (Gb rather than F#): every row spelled again
// by letter distance from it, as transporLinhas spells them; fingerings stay.
void regrafarPeloTom(std::vector<LinhaTransposicao>& linhas, int deslocamento, int linhaDoTom,
                     bool bemol, const CatalogoTipos& tipos);

// How much candidate b (root raizB) keeps the shape of the original a (root raizA): -1 when its
// bass is another degree of the chord, else 10, plus 10 for every pair of strings struck in
// both with the same fret difference, minus 1 for every string struck in only one of them.
int similaridade(const TDigitacao& a, int raizA, const TDigitacao& b, int raizB);

// The two spellings the review offers for a row's new root and bass, and which is in use.
struct GrafiasOferecidas {
    std::string raizBemol, raizSustenido;
    bool raizComAcidente = false;            // the choice is open only then
    bool raizEmBemol = false;                // the flat one is in use
    std::string baixoBemol, baixoSustenido;  // empty without a bass
    bool baixoComAcidente = false;           // and apart from the root
    bool baixoEmBemol = false;
};
GrafiasOferecidas grafiasOferecidas(std::string_view novoSimbolo);

// The symbol with its root, or its bass, written flat or sharp.
std::string comGrafiaDaRaiz(std::string_view simbolo, bool bemol);
std::string comGrafiaDoBaixo(std::string_view simbolo, bool bemol);

}  // namespace trovale
