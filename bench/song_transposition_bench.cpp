// "Transpor - Mudar tom" on a song with 200 distinct chords: every row respelled and given a
// new fingering, the catalogue searched and shapes slid along the neck where it has none.
// Target: the whole song under 5 ms.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/notes.h"
#include "document/song_document.h"
#include "fingering/fingering_builders.h"
#include "fingering/fingering_transposition.h"
#include "fingering/song_transposition.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using namespace testing;

struct Forma {
    int tipo;
    const char* trastes;  // an open shape, catalogued on every root it reaches
    int nota;
};

// Barre shapes of four types on every root, two per chord, grouped as the catalogue keeps them.
Catalogo catalogo() {
    const Forma formas[] = {
        {kMaior, "0 2 2 1 0 0", 8},       {kMaior, "x 0 2 2 2 0", 1},
        {kMenor, "0 2 2 0 0 0", 8},       {kMenor, "x 0 2 2 1 0", 1},
        {kSetima, "0 2 0 1 0 0", 8},      {kSetima, "x 0 2 0 2 0", 1},
        {kMenorSetima, "0 2 0 0 0 0", 8}, {kMenorSetima, "x 0 2 0 1 0", 1},
    };
    std::vector<std::vector<TDigitacao>> porAcorde(13 * (kMaxTipos + 1));
    for (const Forma& f : formas)
        for (const TDigitacao& v : transposeFingering(dedilhado(f.trastes), f.nota,
                                                      GrafiaNota(f.nota, false), 5, nullptr))
            porAcorde[v.Nota * (kMaxTipos + 1) + f.tipo].push_back(v);
    Catalogo c;
    c.tipos = catalogoComum();
    for (int nota = 1; nota <= kNotasPorOitava; ++nota)
        for (int tipo = 1; tipo <= kMaxTipos; ++tipo)
            for (const TDigitacao& d : porAcorde[nota * (kMaxTipos + 1) + tipo])
                catalogarDireto(c, d, nota, tipo);
    return c;
}

std::string codigo(const Catalogo& c, int nota, int tipo) {
    const int posicao = c.digitacoes.PrimeiraDigitacao(nota, tipo);
    if (posicao == 0) return "0";
    const TDigitacaoGravada& g = c.digitacoes.Digitacoes[posicao - 1];
    return std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]);
}

// 17 root spellings times 12 types, less four: 200 rows, each with a fingering of its root
// (for the types the catalogue lacks, the major one, so that shapes must be slid).
std::vector<LinhaTransposicao> linhas(const Catalogo& c) {
    const char* raizes[] = {"Af", "As", "Bb", "Bf", "Cf", "Cs", "Db", "Df", "Ds",
                            "Eb", "Ef", "Ff", "Fs", "Gb", "Gf", "Gs", "Ab"};
    const std::pair<int, const char*> tipos[] = {
        {kMaior, ""},         {kMenor, "m"},   {kSetima, "7"},        {kMenorSetima, "m7"},
        {kSetimaMaior, "7M"}, {kSexta, "6"},   {kSus4, "sus4"},       {kDiminuto, "dim"},
        {kAumentado, "+"},    {kAdd9, "add9"}, {kSetimaNona, "7(9)"}, {kMenorSexta, "m6"},
    };
    std::vector<LinhaTransposicao> r;
    for (const char* raiz : raizes)
        for (const auto& [tipo, texto] : tipos) {
            if (r.size() == 200) return r;
            const int nota = notaDaGrafia(displaySymbol(raiz));
            LinhaTransposicao l;
            l.simbolo = std::string(raiz) + texto;
            l.tipo = tipo;
            l.digitacao = codigo(c, nota, tipo <= kMenorSetima ? tipo : kMaior);
            r.push_back(std::move(l));
        }
    return r;
}

void transpor(benchmark::State& state, OpcoesTransposicao opcoes) {
    const Catalogo c = catalogo();
    std::vector<LinhaTransposicao> l = linhas(c);
    int passo = 0;
    for (auto _ : state) {
        transporLinhas(l, passo % 11 + 1, 0, opcoes, c, 5);
        benchmark::DoNotOptimize(l.data());
        ++passo;
    }
    state.counters["rows"] = static_cast<double>(l.size());
}

void BM_TransposeSongSimplicidade(benchmark::State& state) {
    transpor(state, {false, true});
}
void BM_TransposeSongSimilaridade(benchmark::State& state) {
    transpor(state, {true, false});
}

BENCHMARK(BM_TransposeSongSimplicidade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransposeSongSimilaridade)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trovale

BENCHMARK_MAIN();
