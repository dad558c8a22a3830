// A 3000-line ChordPro file into the text editor's lines and known chords: directives,
// sections, inline chords, defines, the markers and the interpretation. Target: under 20 ms.
// Also the way out, a 3000-line song written as ChordPro.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "big_song.h"
#include "document/chordpro_export.h"
#include "document/chordpro_import.h"
#include "support/type_fixture.h"

namespace {

using namespace trovale;

constexpr int kLinhas = 3000;

const std::vector<std::string> kAcordes = {
    "C",   "Am",  "F",     "G7",   "Dm7",  "E7",    "A7(9)",  "Bb7M",    "C#m7(b5)",
    "G/B", "C/E", "D7/F#", "Ebm6", "Ab7M", "Gsus4", "E7(#9)", "B7(b13)", "N.C.",
};

const std::vector<std::string> kPalavras = {
    "Quando", "olhei", "a",    "terra", "ardendo",   "qual",     "fogueira",
    "de",     "São",   "João", "eu",    "perguntei", "Deus",     "do",
    "céu",    "Ai",    "por",  "que",   "tamanha",   "judiação",
};

// One lyric line with a chord before some of its words.
std::string linhaCifrada(std::mt19937& gerador) {
    auto um = [&](const std::vector<std::string>& lista) -> const std::string& {
        return lista[std::uniform_int_distribution<std::size_t>(0, lista.size() - 1)(gerador)];
    };
    std::string linha;
    for (int i = std::uniform_int_distribution<int>(4, 9)(gerador); i > 0; --i) {
        if (gerador() % 2 == 0) linha += "[" + um(kAcordes) + "]";
        linha += um(kPalavras) + " ";
    }
    return linha;
}

std::string arquivoLongo() {
    std::mt19937 gerador(20261209);
    std::string texto =
        "{title: Asa Branca}\n{artist: Luiz Gonzaga}\n{key: G}\n"
        "{define: C base-fret 1 frets x 3 2 0 1 0}\n{define: Am base-fret 5 frets 1 3 3 1 1 1}\n";
    for (int linha = 5; linha < kLinhas; ++linha) {
        switch (linha % 40) {
            case 0:
                texto += "\n";
                break;
            case 1:
                texto += linha % 80 == 1 ? "{start_of_chorus: Refrão}\n" : "{c: Estrofe}\n";
                break;
            case 39:
                texto += linha % 80 == 39 ? "{end_of_chorus}\n" : "# fim da estrofe\n";
                break;
            default:
                texto += linhaCifrada(gerador) + "\n";
        }
    }
    return texto;
}

Catalogo catalogo() {
    Catalogo c;
    c.tipos = testing::catalogoComum();
    return c;
}

void BM_ImportarChordPro3000(benchmark::State& state) {
    const Catalogo c = catalogo();
    const std::string arquivo = arquivoLongo();
    for (auto _ : state) {
        ImportacaoChordPro importacao = importarChordPro(arquivo, {c, 5});
        benchmark::DoNotOptimize(importacao);
    }
    state.SetItemsProcessed(state.iterations() * kLinhas);
}
BENCHMARK(BM_ImportarChordPro3000)->Unit(benchmark::kMillisecond);

void BM_ChordProDaCancao3000(benchmark::State& state) {
    const SongDocument doc = trovale::bench::cancaoDe3000Linhas();
    for (auto _ : state) {
        std::string texto = chordProDaCancao(doc);
        benchmark::DoNotOptimize(texto);
    }
    state.SetItemsProcessed(state.iterations() * kMaxLines);
}
BENCHMARK(BM_ChordProDaCancao3000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
