#include "fingering/catalogue_block.h"

#include <algorithm>

#include "catalogue/notes.h"
#include "fingering/catalogue_insertion.h"

namespace trovale {

namespace {

// Grows or shrinks the run of records starting at primeira from antes to depois entries;
// every chord starting after it moves with it.
void redimensionar(BancoDigitacoes& banco, int primeira, int antes, int depois) {
    auto& d = banco.Digitacoes;
    const auto fim = d.begin() + (primeira - 1 + antes);
    if (depois < antes)
        d.erase(fim - (antes - depois), fim);
    else
        d.insert(fim, static_cast<std::size_t>(depois - antes), TDigitacaoGravada{});
    for (auto& linha : banco.IndiceDigitacoes)
        for (auto& entrada : linha)
            if (entrada > primeira) entrada = static_cast<std::uint16_t>(entrada + depois - antes);
}

int raizDaVersao(const TDigitacao& v) {
    return v.Nota >= 1 && v.Nota <= kNotasPorOitava ? v.Nota : notaDaGrafia(v.NomeNota);
}

}  // namespace

void replaceChordFingerings(Catalogo& catalogo, int root, int tipo,
                            const std::vector<TDigitacao>& lista, int oldCount) {
    const int c = catalogo.TipoComDigitacoes(root, tipo);
    BancoDigitacoes& banco = catalogo.digitacoes;
    if (root < 1 || root > kNotasPorOitava || c == 0) return;
    int primeira = banco.PrimeiraDigitacao(root, c);
    const int depois = static_cast<int>(lista.size());
    if (primeira == 0 && depois == 0) return;
    if (primeira == 0) primeira = banco.NumDigitacoes() + 1;
    // Never more than the chord's own run: a stale count must not eat the next chord.
    const int antes = std::clamp(oldCount, 0, banco.tamanhoDaSequencia(primeira));

    redimensionar(banco, primeira, antes, depois);
    banco.IndiceDigitacoes[root][c] = static_cast<std::uint16_t>(depois == 0 ? 0 : primeira);
    for (int k = 0; k < depois; ++k) {
        TDigitacao d = lista[k];
        d.Nota = root;
        d.Tipo = c;
        banco.Digitacoes[primeira - 1 + k] = Codificar(d);
    }
    catalogo.DigitacoesAlteradas = true;
}

bool catalogueList(Catalogo& catalogo, const std::vector<TDigitacao>& versions, int tipo,
                   Dialogs& dialogs) {
    bool alguma = false;
    for (const TDigitacao& v : versions)
        alguma = insertFingering(catalogo, v, raizDaVersao(v), tipo, dialogs) || alguma;
    return alguma;
}

}  // namespace trovale
