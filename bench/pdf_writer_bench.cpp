// A songbook's worth of PDF without Qt: 50 pages, each with 100 runs of text in two fonts and
// 200 lines, drawn and written out.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "pdf/documento_pdf.h"

namespace trovale::pdf {
namespace {

const std::filesystem::path kSans =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
const std::filesystem::path kSerif =
    "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf";

constexpr int kPaginas = 50, kTextos = 100, kLinhas = 200;

const std::u32string kLetras[] = {U"Canção da ação que não cessa, pé de boi",
                                  U"Am7  G/B  C  D7sus4  Em  F#m7(b5)  B7",
                                  U"Pestana na quinta casa, coração à mão"};

// Draws the pages; false when a font is missing.
bool desenhar(DocumentoPdf& doc) {
    const auto sans = doc.adicionarFonte(kSans), serif = doc.adicionarFonte(kSerif);
    if (!sans || !serif) return false;
    doc.definirInformacoes("Canção do Pé de Boi", "João Ninguém");
    for (int p = 0; p < kPaginas; ++p) {
        PaginaPdf& pagina = doc.novaPagina(595.28, 841.89);
        pagina.corTraco({40, 40, 40});
        pagina.espessura(0.5);
        for (int l = 0; l < kLinhas; ++l) {
            const double y = 40 + l * 3.8;
            pagina.linha(36 + l % 7, y, 560 - l % 5, y + 0.25);
        }
        for (int t = 0; t < kTextos; ++t)
            pagina.texto(t % 2 ? *serif : *sans, 10 + t % 3, 40 + t % 4 * 1.5, 50 + t * 7.6,
                         kLetras[t % 3]);
    }
    return true;
}

void BM_DocumentoDe50Paginas(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        DocumentoPdf doc;
        if (!desenhar(doc)) return state.SkipWithError("fonts-liberation is not installed");
        const std::string arquivo = doc.gerar();
        bytes = arquivo.size();
        benchmark::DoNotOptimize(arquivo.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_DocumentoDe50Paginas)->Unit(benchmark::kMillisecond);

// Only the file made from pages already drawn: deflating and the font subsets.
void BM_GerarDe50Paginas(benchmark::State& state) {
    DocumentoPdf doc;
    if (!desenhar(doc)) return state.SkipWithError("fonts-liberation is not installed");
    for (auto _ : state) benchmark::DoNotOptimize(doc.gerar().data());
}
BENCHMARK(BM_GerarDe50Paginas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trovale::pdf

BENCHMARK_MAIN();
