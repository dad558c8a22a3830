// Identification of one fingering against a catalogue of 54 everyday chord types, each with
// four catalogued fingerings for every root.

#include <benchmark/benchmark.h>

#include <initializer_list>

#include "catalogue/catalogue.h"
#include "fingering/identification.h"

namespace trovale {
namespace {

using Codigos = std::initializer_list<int>;

// Interval codes: 1 "2", 2 "b3", 3 "3", 4 "4", 5 "b5", 6 "5", 7 "#5", 8 "6", 9 "bb7",
// 10 "b7", 11 "7M", 12 "b9", 13 "9", 14 "#9", 15 "11", 16 "#11", 17 "b13", 18 "13".
constexpr Codigos kTipos[] = {
    {3, 6},          {2, 6},          {3, 6, 10},      {2, 6, 10},          {3, 6, 11},
    {2, 6, 11},      {3, 6, 8},       {2, 6, 8},       {2, 5, 9},           {2, 5, 10},
    {3, 7},          {4, 6},          {1, 6},          {4, 6, 10},          {3, 6, 13},
    {2, 6, 13},      {3, 6, 10, 13},  {2, 6, 10, 13},  {3, 6, 11, 13},      {3, 6, 8, 13},
    {2, 6, 8, 13},   {3, 6, 10, 12},  {3, 6, 10, 14},  {3, 6, 10, 16},      {3, 6, 10, 18},
    {3, 6, 10, 17},  {2, 6, 10, 15},  {3, 7, 10},      {3, 5, 10},          {3, 6, 11, 16},
    {3, 7, 11},      {2, 6, 17},      {3, 10, 13, 18}, {3, 10, 12, 17},     {3, 10, 14, 17},
    {3, 10, 13, 16}, {2, 10, 13, 15}, {2, 6, 11, 13},  {3, 11, 13, 16},     {4, 6, 10, 13},
    {4, 6, 13},      {2, 5, 9, 11},   {2, 5, 10, 13},  {2, 5, 10, 15},      {3, 10, 12, 18},
    {3, 7, 10, 14},  {3, 5, 10, 12},  {2, 6, 15},      {3, 6, 15},          {3, 6, 11, 18},
    {2, 6, 10, 18},  {3, 5},          {4, 6, 8},       {3, 10, 13, 15, 18},
};

TDigitacao digitacao(int casa, std::initializer_list<NotaDedo> notas, Pestana pestana,
                     std::initializer_list<int> mudas) {
    TDigitacao d;
    d.Casa = casa;
    std::size_t i = 0;
    for (const NotaDedo& n : notas) d.Notas[i++] = n;
    d.Pestanas[0] = pestana;
    for (int corda : mudas) d.Estado[corda - 1] = kCordaMuda;
    d.marcarBaixo();
    return d;
}

Catalogo montarCatalogo() {
    Catalogo c;
    int numero = 0;
    for (const Codigos& codigos : kTipos) {
        ++numero;
        if (numero % 10 == 1) c.tipos.OrdemTipos.push_back(0);  // a separator now and then
        TTipoAcorde& t = c.tipos.TiposAcorde[numero];
        t.Nome = "Tipo " + std::to_string(numero);
        int k = 0;
        for (int codigo : codigos) t.Intervalos[k++] = static_cast<std::uint8_t>(codigo);
        c.tipos.OrdemTipos.push_back(numero);
        ++c.tipos.NumTipos;
    }
    c.tipos.CalcularEquivalentes();
    c.tipos.CalcularSomas();
    // Four fingerings per chord; none sounds like the ones identified, so every walk is full.
    for (int tipo = 1; tipo <= numero; ++tipo) {
        for (int nota = 1; nota <= 12; ++nota) {
            c.digitacoes.IndiceDigitacoes[nota][tipo] =
                static_cast<std::uint16_t>(c.digitacoes.NumDigitacoes() + 1);
            for (int casa = 9; casa <= 12; ++casa) {
                TDigitacao d = digitacao(casa, {{4, 3}, {3, 3}, {2, 3}}, {1, 6, 1}, {});
                d.Nota = nota;
                d.Tipo = tipo;
                c.digitacoes.Digitacoes.push_back(Codificar(d));
            }
        }
    }
    return c;
}

void identificar(benchmark::State& state, const TDigitacao& d) {
    const Catalogo catalogo = montarCatalogo();
    int contagem = 0;
    for (auto _ : state) {
        Identification r = identifyChords(d, {}, catalogo);
        contagem = r.count;
        benchmark::DoNotOptimize(r);
    }
    state.counters["matches"] = contagem;
}

// x 3 2 0 1 0
void BM_IdentifyOpenC(benchmark::State& state) {
    identificar(state, digitacao(1, {{5, 3}, {4, 2}, {2, 1}}, {}, {6}));
}
// x 3 4 3 4 x: Cm7(b5), D#m6 and a rootless G#7(9)
void BM_IdentifyFourNotes(benchmark::State& state) {
    identificar(state, digitacao(1, {{5, 3}, {4, 4}, {3, 3}, {2, 4}}, {}, {1, 6}));
}
// x 3 4 2 4 x: a diminished seventh, eight names
void BM_IdentifyDiminished(benchmark::State& state) {
    identificar(state, digitacao(1, {{5, 3}, {4, 4}, {3, 2}, {2, 4}}, {}, {1, 6}));
}
// 1 3 3 2 1 1: F with a barre, six strings
void BM_IdentifyBarreF(benchmark::State& state) {
    identificar(state, digitacao(1, {{5, 3}, {4, 3}, {3, 2}}, {1, 6, 1}, {}));
}

BENCHMARK(BM_IdentifyOpenC);
BENCHMARK(BM_IdentifyFourNotes);
BENCHMARK(BM_IdentifyDiminished);
BENCHMARK(BM_IdentifyBarreF);

}  // namespace
}  // namespace trovale

BENCHMARK_MAIN();
