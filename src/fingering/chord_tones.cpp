#include "fingering/chord_tones.h"

#include <algorithm>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"

namespace trovale {

namespace {

constexpr std::string_view kLetras = "ABCDEFG";
constexpr int kNumLetras = 7;

// Position 1..7 of a spelling's letter; 0 when it starts with no note letter.
int posicaoDaLetra(std::string_view grafia) {
    if (grafia.empty()) return 0;
    const std::size_t p = kLetras.find(grafia[0]);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

// Cyclic distance between two letter positions on the seven letters, 0..3.
int distanciaCiclica(int a, int b) {
    const int d = ((a - b) % kNumLetras + kNumLetras) % kNumLetras;
    return std::min(d, kNumLetras - d);
}

}  // namespace

std::string spellChordTone(std::string_view rootName, int r, int t, int g) {
    const int n = reduzirNota(r + t);
    const std::string sustenido(NotasSustenido[n]);
    const std::string bemol(NotasBemol[n]);
    if (sustenido == bemol) return sustenido;
    const int letraRaiz = posicaoDaLetra(rootName);
    if (letraRaiz == 0) return sustenido;
    const int esperada = letraRaiz + g - 1;
    const bool usarBemol = distanciaCiclica(posicaoDaLetra(bemol), esperada) <
                           distanciaCiclica(posicaoDaLetra(sustenido), esperada);
    return usarBemol ? bemol : sustenido;
}

ChordToneRow chordToneRow(const TTipoAcorde& tipo, std::string_view rootName, int root) {
    ChordToneRow tons;
    tons[0] = std::string(rootName);
    for (int k = 1; k < kColunasTons; ++k) {
        const int codigo = tipo.Intervalos[k - 1];
        if (!codigoIntervaloValido(codigo)) continue;
        const Intervalo& i = TabelaIntervalos[codigo];
        tons[k] = spellChordTone(rootName, root, i.semitons, i.grau);
    }
    return tons;
}

std::string labelSpelling(int nota, const ChordToneRow& tons) {
    const std::string sustenido = GrafiaNota(nota, false);
    const std::string bemol = GrafiaNota(nota, true);
    if (sustenido == bemol) return sustenido;
    if (std::find(tons.begin(), tons.end(), sustenido) != tons.end()) return sustenido;
    if (std::find(tons.begin(), tons.end(), bemol) != tons.end()) return bemol;
    return sustenido;
}

std::string spellingInChord(const TTipoAcorde& tipo, std::string_view rootName, int root,
                            int nota) {
    if (nota == root) return std::string(rootName);
    const ChordToneRow tons = chordToneRow(tipo, rootName, root);
    for (int k = 1; k < kColunasTons; ++k)
        if (!tons[k].empty() && notaDaGrafia(tons[k]) == nota) return tons[k];
    return GrafiaNota(nota, false);
}

}  // namespace trovale
