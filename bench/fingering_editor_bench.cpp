// The fingering editor: a click on the fretboard redrawing the window (fretboard, string
// notes, chord-tone row and piano) while a chord is linked.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <memory>

#include "support/silent_dialogs.h"
#include "support/type_fixture.h"
#include "ui/chord_choice/select_form.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/fingering_editor/edit_form.h"
#include "ui/fingering_editor/fretboard_panel.h"

namespace trovale {
namespace {

void clicar(QWidget& alvo, QPoint ponto) {
    const QPointF global = alvo.mapToGlobal(QPointF(ponto));
    QMouseEvent pressao(QEvent::MouseButtonPress, QPointF(ponto), global, Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent soltura(QEvent::MouseButtonRelease, QPointF(ponto), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&alvo, &pressao);
    QApplication::sendEvent(&alvo, &soltura);
}

void BM_FretboardClickRedraw(benchmark::State& state) {
    Catalogo catalogo;
    catalogo.tipos = testing::catalogoComum();
    Aparencia aparencia;
    testing::SilentDialogs dialogs;
    LembreteGravacao lembrete;
    TSelectForm selecao(catalogo, aparencia, dialogs);
    TEditForm editor(catalogo, aparencia, dialogs, lembrete, selecao);
    editor.preparar(std::nullopt);
    editor.show();
    editor.vincularAcorde("C", 1);
    QApplication::processEvents();
    FretboardImage& imagem = *editor.painelBraco()->Image;
    const QPoint ponto = imagem.centro(5, 3);
    for (auto _ : state) {
        clicar(imagem, ponto);  // the C on string 5 placed, then taken away
        benchmark::DoNotOptimize(editor.grab());
    }
}
BENCHMARK(BM_FretboardClickRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

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
