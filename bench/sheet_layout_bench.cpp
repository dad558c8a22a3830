// The sheet of a 3000-line song: laying it out whole (row heights, columns, pagination, the
// diagram list) with the real fonts, painting one screenful of it, a 20-page PDF and
// the preview redrawn after a margin change.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <numeric>

#include "big_song.h"
#include "document/sheet.h"
#include "render/page_preview.h"
#include "render/pdf_export.h"
#include "render/sheet_painter.h"
#include "settings/template.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

struct Montagem {
    SongDocument doc = bench::cancaoDe3000Linhas();
    CatalogoTipos tipos = testing::catalogoComum();
    SheetMeasure medida{doc.Template, tipos, 96};
    SheetSettings ajustes;
    Aparencia aparencia;
    Sheet folha;

    void diagramar() {
        ComputeRowHeights(folha, doc, medida, ajustes);
        ComputeColumns(folha, doc, ajustes, 900);
        LayOut(folha, doc, medida, ajustes);
    }
    // The song cut short until its sheet holds at most `paginas` pages.
    void encurtarAte(int paginas) {
        diagramar();
        while (folha.PageCount > paginas) {
            doc.Lines.resize(doc.Lines.size() - 20);
            doc.LineKinds.resize(doc.Lines.size());
            folha = Sheet{};
            diagramar();
        }
    }
};

void BM_LayOut3000Lines(benchmark::State& state) {
    Montagem m;
    for (auto _ : state) {
        m.folha = Sheet{};
        m.diagramar();
        benchmark::DoNotOptimize(m.folha.PageCount);
    }
}
BENCHMARK(BM_LayOut3000Lines)->Unit(benchmark::kMillisecond);

// One scroll step repaints the rows of a 900-pixel view, in every column.
void BM_PaintOneScreen(benchmark::State& state) {
    Montagem m;
    m.diagramar();
    const SheetPaint pintura{m.doc, m.folha, m.medida, m.aparencia};
    QImage tela(1000, 900, QImage::Format_RGB32);
    int inicio = 0;
    for (auto _ : state) {
        QPainter p(&tela);
        p.fillRect(tela.rect(), Qt::white);
        for (int c = 0; c < kMaxColunas; ++c) {
            if (!m.folha.ColumnVisible[c]) continue;
            int y = 0;
            const auto& linhas = m.folha.Columns[c];
            for (std::size_t i = inicio; i < linhas.size() && y < tela.height(); ++i) {
                DrawRow(p, pintura, c, static_cast<int>(i),
                        QRect(m.folha.ColumnLeft[c], y, m.folha.ColumnWidth[c], linhas[i].Height));
                y += linhas[i].Height;
            }
        }
        inicio = (inicio + 7) % 1000;
    }
}
BENCHMARK(BM_PaintOneScreen)->Unit(benchmark::kMillisecond);

// The whole PDF of a 20-page song at 1200 dpi, fonts embedded: what "Exportar *.pdf" waits for.
void BM_PdfOf20Pages(benchmark::State& state) {
    Montagem m;
    m.encurtarAte(20);
    const SheetPaint pintura{m.doc, m.folha, m.medida, m.aparencia};
    std::vector<int> paginas(static_cast<std::size_t>(m.folha.PageCount));
    std::iota(paginas.begin(), paginas.end(), 1);
    for (auto _ : state) {
        const auto pdf = pdfDaFolha(pintura, {}, paginas, metadadosDaCancao(m.doc));
        if (!pdf) state.SkipWithError("no PDF");
        benchmark::DoNotOptimize(pdf);
    }
    state.counters["paginas"] = m.folha.PageCount;
}
BENCHMARK(BM_PdfOf20Pages)->Unit(benchmark::kMillisecond);

// A margin changed in the page setup window of a 20-page song: the song window measures and
// lays the sheet out again, then the preview draws the page shown.
void BM_PreviewAfterMarginChange(benchmark::State& state) {
    Montagem m;
    m.encurtarAte(20);
    QImage previa(620, 877, QImage::Format_RGB32);
    int passo = 1;
    for (auto _ : state) {
        m.doc.Layout.margemEsquerda += passo;
        m.doc.Layout.coluna1 -= passo;
        passo = -passo;
        SheetMeasure medida(m.doc.Template, m.tipos, 96);
        ComputeRowHeights(m.folha, m.doc, medida, m.ajustes);
        ComputeColumns(m.folha, m.doc, m.ajustes, 0);
        LayOut(m.folha, m.doc, medida, m.ajustes);
        const SheetPaint pintura{m.doc, m.folha, medida, m.aparencia};
        const double escala = previa.width() / (210 * 96 / 25.4);
        previa.fill(Qt::white);
        QPainter p(&previa);
        for (int c = 0; c < kMaxColunas; ++c)
            if (m.folha.ColumnVisible[c])
                DrawPageColumn(p, pintura, 7, c, QPointF(20 + 200 * c, 30), escala);
    }
    state.counters["paginas"] = m.folha.PageCount;
}
BENCHMARK(BM_PreviewAfterMarginChange)->Unit(benchmark::kMillisecond);

// A pasted blob of a megabyte as one lyric line, chords over it: laid out, then printed as
// PDF. The cut is searched in halving steps; one character at a time it took minutes.
void BM_MegabyteLine(benchmark::State& state) {
    Montagem m;
    m.doc.Lines = {"Linha longa", encodeChordLine({{1, 0}, {40, 0}, {5000, 0}}),
                   std::string(std::size_t{1} << 20, 'a')};
    m.doc.LineKinds = {kTitleLine, kChordLine, kLyricLine};
    m.doc.Chords = ChordTable{};
    m.doc.Chords.append("Cf", "1", "0");
    for (auto _ : state) {
        m.folha = Sheet{};
        m.diagramar();
        const SheetPaint pintura{m.doc, m.folha, m.medida, m.aparencia};
        const auto pdf = pdfDaFolha(pintura, {}, {1}, metadadosDaCancao(m.doc));
        if (!pdf) state.SkipWithError("no PDF");
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_MegabyteLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trovale

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
