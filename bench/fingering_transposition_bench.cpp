// Transposing one fingering along the neck, as "&Transpor" does before the browser opens.

#include <benchmark/benchmark.h>

#include <initializer_list>

#include "fingering/fingering_transposition.h"

namespace trovale {
namespace {

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

void transpor(benchmark::State& state, const TDigitacao& d, int nota, const char* grafia) {
    std::size_t versoes = 0;
    for (auto _ : state) {
        std::vector<TDigitacao> r = transposeFingering(d, nota, grafia, 4, nullptr);
        versoes = r.size();
        benchmark::DoNotOptimize(r);
    }
    state.counters["versions"] = static_cast<double>(versoes);
}

// 0 2 2 1 0 0: three open strings, covered by a barre up to the tenth fret
void BM_TransposeOpenE(benchmark::State& state) {
    transpor(state, digitacao(1, {{5, 2}, {4, 2}, {3, 1}}, {}, {}), 8, "E");
}
// x 3 2 0 1 0: two open strings under a barre over strings 1..3
void BM_TransposeOpenC(benchmark::State& state) {
    transpor(state, digitacao(1, {{5, 3}, {4, 2}, {2, 1}}, {}, {6}), 4, "C");
}
// x 1 3 3 3 1: a barre shape, also moved down to the nut
void BM_TransposeBarreBb(benchmark::State& state) {
    transpor(state, digitacao(1, {{4, 3}, {3, 3}, {2, 3}}, {1, 5, 1}, {6}), 2, "Bb");
}

BENCHMARK(BM_TransposeOpenE);
BENCHMARK(BM_TransposeOpenC);
BENCHMARK(BM_TransposeBarreBb);

}  // namespace
}  // namespace trovale

BENCHMARK_MAIN();
