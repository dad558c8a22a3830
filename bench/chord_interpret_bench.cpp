// InterpretarAcorde over words as a song's text holds them: chords of every root, slash
// basses, variant marks, and lyric words among them.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "catalogue/chord_interpreter.h"

// The same small catalogue the core tests use.
#include "support/type_fixture.h"

namespace {

constexpr std::size_t kPalavras = 100000;

const std::vector<std::string> kRaizes = {"C",  "C#", "Db", "D",  "D#", "Eb", "E",  "F", "F#",
                                          "Gb", "G",  "G#", "Ab", "A",  "A#", "Bb", "B"};

const std::vector<std::string> kSimbolos = {
    "",       "",      "m",       "m",       "7",     "7",      "m7",    "7M",
    "maj7",   "m(7M)", "6",       "m6",      "dim",   "\xBA",   "\xB0",  "m7(b5)",
    "5+",     "+",     "sus4",    "4",       "sus2",  "2",      "7/4",   "7sus4",
    "add9",   "(9)",   "m(add9)", "m9",      "7(9)",  "7/9",    "m7(9)", "m7/9",
    "7M(9)",  "6/9",   "m6/9",    "7(b9)",   "7(#9)", "7(#11)", "7(13)", "7(b13)",
    "m7(11)", "7(#5)", "7(b5)",   "7(9/13)", "13(9)", "7alt",   "7(11)", "7M(#11)",
};

// Lyrics in Windows-1252; several begin like a chord root and go the whole way.
const std::vector<std::string> kLetra = {
    "amor",  "Eu",   "que",       "Brasil",        "de",  "can\xE7\xE3o", "Hoje", "Bem",
    "Agora", "Deus", "F\xE9",     "Cora\xE7\xE3o", "Ela", "Gente",        "Das",  "Cada",
    "noite", "sol",  "Amanh\xE3",
};

std::vector<std::string> palavrasRealistas() {
    std::mt19937 gerador(20240517);
    auto escolher = [&](const std::vector<std::string>& lista) -> const std::string& {
        return lista[std::uniform_int_distribution<std::size_t>(0, lista.size() - 1)(gerador)];
    };
    std::uniform_int_distribution<int> percentual(0, 99);
    std::vector<std::string> palavras;
    palavras.reserve(kPalavras);
    while (palavras.size() < kPalavras) {
        if (percentual(gerador) < 15) {
            palavras.push_back(escolher(kLetra));
            continue;
        }
        std::string palavra = escolher(kRaizes) + escolher(kSimbolos);
        if (percentual(gerador) < 20) palavra += "/" + escolher(kRaizes);
        const int marca = percentual(gerador);
        if (marca < 5)
            palavra += "*";
        else if (marca < 10)
            palavra += marca % 2 ? "*b" : "*c";
        palavras.push_back(std::move(palavra));
    }
    return palavras;
}

void BM_InterpretarAcorde(benchmark::State& state) {
    const trovale::CatalogoTipos& tipos = trovale::testing::catalogoComum();
    const std::vector<std::string> palavras = palavrasRealistas();
    for (auto _ : state) {
        int acordes = 0;
        for (const std::string& palavra : palavras)
            acordes += trovale::InterpretarAcorde(tipos, palavra).ehAcorde ? 1 : 0;
        benchmark::DoNotOptimize(acordes);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * palavras.size()));
}
BENCHMARK(BM_InterpretarAcorde)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
