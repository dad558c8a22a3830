// The text editor's confirm on a 3000-line song: marker removal, line kinds, chord lines,
// the distinct chords and their fingerings; then the song built from it and written back as
// text. Target: the interpretation under 10 ms.

#include "support/silent_dialogs.h"
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "base/dialogs.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"

// The same small catalogue the core tests use.
#include "support/type_fixture.h"

namespace {

using namespace trovale;

constexpr int kLinhas = 3000;

const std::vector<std::string> kAcordes = {
    "C",   "Am",  "F",     "G7",   "Dm7",  "E7",    "A7(9)", "Bb7M", "C#m7(b5)", "F#\xBA",
    "G/B", "C/E", "D7/F#", "Ebm6", "Ab7M", "Gsus4", "G*",    "Am*c", "E7(#9)",   "B7(b13)",
};

const std::vector<std::string> kPalavras = {
    "Quando",   "olhei",   "a",
    "terra",    "ardendo", "qual",
    "fogueira", "de",      "S\xE3o",
    "Jo\xE3o",  "eu",      "perguntei",
    "a",        "Deus",    "do",
    "c\xE9u",   "Ai",      "por",
    "que",      "tamanha", "judia\xE7\xE3o",
    "Agora",    "Bem",     "Cora\xE7\xE3o",
};

std::vector<std::string> cancaoLonga() {
    std::mt19937 gerador(20261208);
    auto um = [&](const std::vector<std::string>& lista) -> const std::string& {
        return lista[std::uniform_int_distribution<std::size_t>(0, lista.size() - 1)(gerador)];
    };
    std::uniform_int_distribution<int> quantos(3, 8);
    std::vector<std::string> linhas = {"Asa Branca", "Luiz Gonzaga"};
    while (static_cast<int>(linhas.size()) < kLinhas) {
        const std::size_t estrofe = linhas.size() % 40;
        if (estrofe == 0) linhas.push_back("");
        if (estrofe == 1) linhas.push_back(linhas.size() % 80 == 1 ? "<R>" : "<N>");
        std::string acordes;
        for (int i = quantos(gerador); i > 0; --i) acordes += um(kAcordes) + "   ";
        std::string letra;
        for (int i = quantos(gerador); i > 0; --i) letra += um(kPalavras) + " ";
        linhas.push_back(acordes);
        linhas.push_back(letra);
    }
    linhas.resize(kLinhas);
    return linhas;
}

Catalogo catalogo() {
    Catalogo c;
    c.tipos = testing::catalogoComum();
    return c;
}

using Silencio = testing::SilentDialogs;

void BM_PrepararLinhas3000(benchmark::State& state) {
    const Catalogo c = catalogo();
    const std::vector<std::string> linhas = cancaoLonga();
    for (auto _ : state) {
        AcordesConhecidos conhecidos;
        InterpretacaoTexto r = PrepararLinhas(linhas, {c, 4}, conhecidos);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations() * kLinhas);
}
BENCHMARK(BM_PrepararLinhas3000)->Unit(benchmark::kMillisecond);

// The whole road of a text-mode edit: interpret, build the song, write it back as text.
void BM_TextoCancaoTexto3000(benchmark::State& state) {
    const Catalogo c = catalogo();
    const std::vector<std::string> linhas = cancaoLonga();
    Silencio silencio;
    for (auto _ : state) {
        AcordesConhecidos conhecidos;
        const InterpretacaoTexto r = PrepararLinhas(linhas, {c, 4}, conhecidos);
        SongDocument doc;
        BuildFromText(doc, textoDoEditor(r, conhecidos));
        const bool ok = SongToText(doc, silencio);
        InsertMarkers(doc);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(doc.Lines);
    }
    state.SetItemsProcessed(state.iterations() * kLinhas);
}
BENCHMARK(BM_TextoCancaoTexto3000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
