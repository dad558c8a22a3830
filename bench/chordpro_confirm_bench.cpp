// A 3000-line ChordPro song brought in as the program does it: importarChordPro, then the
// text editor's confirm (PrepararLinhas), with the shipped catalogue choosing the fingerings
// the file does not define. Target: under 20 ms (median of the repetitions).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "base/file_system.h"
#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"
#include "document/chordpro_import.h"
#include "document/text_interpretation.h"

namespace {

using namespace trovale;

constexpr int kLinhas = 3000;
constexpr int kRepeticoes = 9;

// Chords of a Brazilian song book; the first ones come with a {define}, the others are left
// to the catalogue.
const std::vector<std::pair<std::string, std::string>> kDefinidos = {
    {"C7M", "base-fret 1 frets x 3 2 0 0 0"},      {"Am7", "base-fret 1 frets x 0 2 0 1 0"},
    {"Dm7(9)", "base-fret 1 frets x 5 3 5 5 x"},   {"G7(13)", "base-fret 1 frets 3 x 3 4 5 x"},
    {"E7(9)", "base-fret 1 frets x 7 6 7 7 x"},    {"D/F#", "base-fret 1 frets 2 x 0 2 3 2"},
    {"F#m7(b5)", "base-fret 1 frets 2 x 2 2 1 x"}, {"Cm7", "base-fret 3 frets x 1 3 1 2 1"},
    {"Bb", "base-fret 1 frets x 1 3 3 3 1"},       {"C#º", "base-fret 1 frets x 4 5 3 5 x"},
};
const std::vector<std::string> kDoCatalogo = {"G",   "Em",  "A7(b13)", "Ebm6", "Gsus4", "B7",
                                              "F7M", "Dm7", "A7",      "E7",   "C/E",   "G/B"};

const std::vector<std::string> kPalavras = {
    "Quando", "olhei", "a",       "terra",     "ardendo", "qual",   "fogueira", "de",
    "São",    "João",  "eu",      "perguntei", "Deus",    "do",     "céu",      "ai",
    "por",    "que",   "tamanha", "judiação",  "coração", "sertão", "saudade",  "morena",
};

std::string acordeQualquer(std::mt19937& gerador) {
    const std::size_t n = kDefinidos.size() + kDoCatalogo.size();
    const std::size_t i = std::uniform_int_distribution<std::size_t>(0, n - 1)(gerador);
    return i < kDefinidos.size() ? kDefinidos[i].first : kDoCatalogo[i - kDefinidos.size()];
}

// Six to nine words with three to six chords, some of them inside a word, on a syllable.
std::string linhaCifrada(std::mt19937& gerador) {
    std::vector<std::string> palavras;
    for (int i = std::uniform_int_distribution<int>(6, 9)(gerador); i > 0; --i)
        palavras.push_back(kPalavras[std::uniform_int_distribution<std::size_t>(
            0, kPalavras.size() - 1)(gerador)]);
    std::vector<char> comAcorde(palavras.size(), 0);
    std::fill_n(comAcorde.begin(), std::uniform_int_distribution<int>(3, 6)(gerador), 1);
    std::shuffle(comAcorde.begin(), comAcorde.end(), gerador);
    std::string linha;
    for (std::size_t i = 0; i < palavras.size(); ++i) {
        const std::string& palavra = palavras[i];
        // Before the second letter of a longer word, as a chord over its second syllable.
        const std::size_t corte = comAcorde[i] && palavra.size() > 5 && gerador() % 3 == 0 ? 2 : 0;
        linha += palavra.substr(0, corte);
        if (comAcorde[i]) linha.append("[").append(acordeQualquer(gerador)).append("]");
        linha += palavra.substr(corte) + " ";
    }
    linha.pop_back();
    return linha;
}

// Verses of four lines, a chorus, a comment now and then, until the file has kLinhas lines.
std::string arquivoLongo() {
    std::mt19937 gerador(20261210);
    std::vector<std::string> linhas = {"{title: Cantiga do sertão}",
                                       "{subtitle: Composição popular}", "{key: C}"};
    for (const auto& [simbolo, forma] : kDefinidos)
        linhas.push_back("{define: " + simbolo + " " + forma + "}");
    for (int estrofe = 0; static_cast<int>(linhas.size()) < kLinhas; ++estrofe) {
        linhas.push_back("");
        if (estrofe % 3 == 2) {
            linhas.push_back("{start_of_chorus}");
            for (int i = 0; i < 4; ++i) linhas.push_back(linhaCifrada(gerador));
            linhas.push_back("{end_of_chorus}");
        } else {
            for (int i = 0; i < 4; ++i) linhas.push_back(linhaCifrada(gerador));
        }
        if (estrofe % 7 == 6) linhas.push_back("{comment: Repete o refrão}");
    }
    linhas.resize(kLinhas);
    std::string texto;
    for (const std::string& linha : linhas) texto += linha + "\n";
    return texto;
}

// ACORDES.TIP and POSICOES.DIG as the build compiled them, read the way trovale-cli does.
bool catalogoEntregue(Catalogo& catalogo) {
    const std::filesystem::path pasta = TROVALE_SHIPPED_CATALOGUE_DIR;
    const auto tipos = lerArquivoRegular(pasta / "ACORDES.TIP", kLimiteCatalogo);
    const auto digitacoes = lerArquivoRegular(pasta / "POSICOES.DIG", kLimiteCatalogo);
    if (!tipos || !digitacoes) return false;
    lerTipos(*tipos, catalogo.tipos);
    lerDigitacoes(*digitacoes, catalogo.tipos, catalogo.digitacoes);
    catalogo.tipos.CalcularEquivalentes();
    return catalogo.tipos.NumTipos > 0 && catalogo.digitacoes.NumDigitacoes() > 0;
}

void BM_ImportarEConfirmarChordPro3000(benchmark::State& state) {
    Catalogo catalogo;
    if (!catalogoEntregue(catalogo)) {
        state.SkipWithError("no shipped catalogue in " TROVALE_SHIPPED_CATALOGUE_DIR);
        return;
    }
    const ContextoInterpretacao contexto{catalogo, kTrastesMostradosPadrao};
    const std::string arquivo = arquivoLongo();
    int acordes = 0;
    std::size_t avisos = 0;
    for (auto _ : state) {
        ImportacaoChordPro importacao = importarChordPro(arquivo, contexto);
        if (importacao.recusa) state.SkipWithError("the file was refused");
        avisos = importacao.avisos.size() + static_cast<std::size_t>(importacao.diretivasIgnoradas);
        AcordesConhecidos conhecidos = std::move(importacao.conhecidos);
        const InterpretacaoTexto r =
            PrepararLinhas(std::move(importacao.linhas), contexto, conhecidos);
        acordes = r.NumAcordes();
        benchmark::DoNotOptimize(r);
    }
    // What came out, so that a file the import stops reading shows here: 22 chords, and one
    // directive ({key}) that the program has no use for.
    state.counters["acordes"] = acordes;
    state.counters["avisos"] = static_cast<double>(avisos);
    state.SetItemsProcessed(state.iterations() * kLinhas);
}
BENCHMARK(BM_ImportarEConfirmarChordPro3000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepeticoes)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
