// The stage view on a 10-page song at 1920×1080: from the order to the first painted screen
// (layout away from any printer, two pages drawn at the screen's height), and one page turn.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "big_song.h"
#include "support/type_fixture.h"
#include "ui/stage/stage_form.h"

namespace trovale {
namespace {

// The long benchmark song cut to the lines that fill ten pages.
std::shared_ptr<const SongDocument> cancaoDeDezPaginas(const CatalogoTipos& tipos,
                                                       const Aparencia& aparencia) {
    SongDocument doc = bench::cancaoDe3000Linhas();
    std::size_t linhas = 40;
    while (true) {
        SongDocument parte = doc;
        parte.Lines.resize(linhas);
        parte.LineKinds.resize(linhas);
        if (PaginasDoPalco(parte, tipos, aparencia).quantas() >= 10)
            return std::make_shared<const SongDocument>(std::move(parte));
        linhas += 20;
    }
}

struct Montagem {
    CatalogoTipos tipos = testing::catalogoComum();
    Aparencia aparencia;
    std::shared_ptr<const SongDocument> doc = cancaoDeDezPaginas(tipos, aparencia);

    std::unique_ptr<TPalcoForm> abrir() {
        auto palco = std::make_unique<TPalcoForm>(
            tipos, aparencia,
            std::vector<MusicaNoPalco>{{doc, QStringLiteral("Uma canção comprida"), 0}});
        palco->resize(1920, 1080);
        palco->show();
        benchmark::DoNotOptimize(palco->grab());
        return palco;
    }
};

void BM_OpenStageOnATenPageSong(benchmark::State& state) {
    Montagem m;
    int paginas = 0;
    for (auto _ : state) {
        auto palco = m.abrir();
        paginas = palco->paginasPorVez();
        state.PauseTiming();
        palco.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["pages_shown"] = paginas;
}
BENCHMARK(BM_OpenStageOnATenPageSong)->Unit(benchmark::kMillisecond)->UseRealTime();

// The next two pages, drawn the first time they are seen; back to the start when done.
void BM_PageTurn(benchmark::State& state) {
    Montagem m;
    auto palco = m.abrir();
    for (auto _ : state) {
        if (palco->primeiraPagina() >= 9) {
            state.PauseTiming();
            palco = m.abrir();
            state.ResumeTiming();
        }
        palco->avancar();
        benchmark::DoNotOptimize(palco->grab());
    }
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace trovale

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
