// The song window on a 3000-line song: from the file to the first painted view, one scroll
// step repainted, and the memory an open song adds.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <unistd.h>

#include "big_song.h"
#include "document/song_file.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"
#include "support/silent_dialogs.h"
#include "support/type_fixture.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"
#include "ui/document_window/sheet_grid.h"

namespace trovale {
namespace {

struct Montagem {
    CatalogoTipos tipos = testing::catalogoComum();
    Aparencia aparencia;
    Modelo modelo = modeloDeFabrica();
    PageLayout layout = layoutDeFabrica();
    testing::SilentDialogs dialogs;
    QTemporaryDir pasta;
    QString arquivo = gravar(QStringLiteral("longa.dec"), bench::cancaoDe3000Linhas());

    QString gravar(const QString& nome, const SongDocument& doc) {
        const QString caminho = pasta.filePath(nome);
        QFile f(caminho);
        f.open(QIODevice::WriteOnly);
        const std::string bytes = songFileText(doc);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return caminho;
    }

    // The window painted whole, as the screen would show it.
    std::unique_ptr<TImageForm> abrir(const QString& caminho) {
        ServicosDocumento servicos{tipos, aparencia, modelo, layout, dialogs,
                                   [](int) { return metricasSemImpressora(false); }, {}, {}};
        auto form = std::make_unique<TImageForm>(std::move(servicos));
        form->resize(1200, 900);
        form->show();
        form->carregar(caminho);
        benchmark::DoNotOptimize(form->grab());
        return form;
    }
    std::unique_ptr<TImageForm> abrir() { return abrir(arquivo); }
};

long residenteKb() {
    std::ifstream statm("/proc/self/statm");
    long total = 0, residente = 0;
    statm >> total >> residente;
    return residente * (sysconf(_SC_PAGESIZE) / 1024);
}

// Resident memory with the long song open, less what the program held with a short song
// open (which pays for the fonts and the window classes). Run first, on a fresh heap.
void BM_MemoryOfAnOpenSong(benchmark::State& state) {
    Montagem m;
    SongDocument curta = bench::cancaoDe3000Linhas();
    curta.Lines.resize(40);
    curta.LineKinds.resize(40);
    const auto primeira = m.abrir(m.gravar(QStringLiteral("curta.dec"), curta));
    long acrescimo = 0;
    std::unique_ptr<TImageForm> aberta;  // kept open while measured
    for (auto _ : state) {
        const long antes = residenteKb();
        aberta = m.abrir();
        acrescimo = std::max(acrescimo, residenteKb() - antes);
    }
    state.counters["added_MB"] = static_cast<double>(acrescimo) / 1024.0;
}
BENCHMARK(BM_MemoryOfAnOpenSong)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenToFirstPaint(benchmark::State& state) {
    Montagem m;
    for (auto _ : state) {
        auto form = m.abrir();
        benchmark::DoNotOptimize(form->folha().PageCount);
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

// One line step down the sheet, repainted; at the end it starts over from the top.
void BM_ScrollStepRepaint(benchmark::State& state) {
    Montagem m;
    auto form = m.abrir();
    QScrollBar* barra = form->VertBar;
    for (auto _ : state) {
        const int proxima = barra->value() + barra->singleStep();
        barra->setValue(proxima > barra->maximum() ? 0 : proxima);
        benchmark::DoNotOptimize(form->grab());
    }
}
BENCHMARK(BM_ScrollStepRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();


// A chord from the copy panel dropped on a lyric in the middle of the song: the edit, the
// table, the layout of the whole sheet and the repaint of the view. Undone between runs.
void BM_ChordDrop(benchmark::State& state) {
    Montagem m;
    auto form = m.abrir();
    const Sheet& folha = form->folha();
    int linha = static_cast<int>(folha.Columns[0].size()) / 2;
    while (!isLyricKind(folha.Columns[0][static_cast<std::size_t>(linha)].Kind)) ++linha;
    form->rolarPara(form->grade(0)->retanguloLinha(linha).top());
    const AcordeArrastado acorde{{-1, 0, "Bb", "0", "1"}, 0};
    for (auto _ : state) {
        if (!form->editor().soltarNaFolha(0, linha, 100, acorde)) {
            state.SkipWithError("the drop was refused");
            break;
        }
        benchmark::DoNotOptimize(form->grab());
        state.PauseTiming();
        form->editor().desfazer();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChordDrop)->Unit(benchmark::kMillisecond)->UseRealTime();

// Confirming the text editor on the 3000-line song in text form: interpretation, the song
// built from it, laid out and painted in its window.
void BM_ConfirmText3000Lines(benchmark::State& state) {
    Montagem m;
    auto form = m.abrir();
    const SongDocument cancao = bench::cancaoDe3000Linhas();
    const std::vector<std::string> texto = linhasEmTexto(cancao).linhas;
    Catalogo catalogo;
    catalogo.tipos = m.tipos;
    for (auto _ : state) {
        AcordesConhecidos conhecidos(cancao.Chords);
        const InterpretacaoTexto r = PrepararLinhas(texto, {catalogo}, conhecidos);
        form->construirDoTexto(textoDoEditor(r, conhecidos));
        benchmark::DoNotOptimize(form->grab());
    }
}
BENCHMARK(BM_ConfirmText3000Lines)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace trovale

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
