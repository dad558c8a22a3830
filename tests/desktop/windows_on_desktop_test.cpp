// The side windows as a user meets them on a desktop with a real window manager (Openbox on a
// private Xvfb display): the fingering chooser appears beside the window that called it,
// inside the screen, stacked above it, and stays above it after a click elsewhere in the
// program; a real click where it stands reaches it. So do the names of a fingering beside the
// fingering editor and the template floating over the song. The offscreen tests cannot see
// stacking.

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "app/trovale_program.h"
#include "catalogue/frets_notation.h"
#include "ui/chord_choice/chord_grid.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/chord_choice/select_form.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/fingering_editor/choose_form.h"
#include "ui/fingering_editor/edit_form.h"
#include "ui/fingering_editor/fretboard_image.h"
#include "ui/fingering_editor/fretboard_panel.h"
#include "ui/help/help_form.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/template_window/template_form.h"
#include "ui/text_editor/check_form.h"
#include "ui/text_editor/letra_dlg.h"
#include "ui/transposition/trans_form.h"
#include "virtual_desktop.h"

using namespace trovale;
namespace x11 = trovale::testing::x11;

namespace {

const QString kFontes = QStringLiteral(TROVALE_SOURCE_DIR);

template <typename Janela>
Janela* janelaVisivel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* j = qobject_cast<Janela*>(w); j && j->isVisible()) return j;
    return nullptr;
}

QPoint centroGlobal(const QWidget& w) {
    return w.mapToGlobal(w.rect().center());
}

// The whole program on the shipped catalogue, with a song of D and A7 open.
struct Programa1 {
    QTemporaryDir pasta;
    std::unique_ptr<Programa> programa;
    TImageForm* documento = nullptr;

    Programa1() {
        const QDir origem = QFileInfo(QStringLiteral(TROVALE_EXECUTABLE)).dir();
        for (const char* nome : {"ACORDES.TIP", "POSICOES.DIG"})
            QFile::copy(origem.filePath(QLatin1String(nome)), pasta.filePath(QLatin1String(nome)));
        QFile::copy(kFontes + "/data/songs/O cravo brigou com a rosa.dec",
                    pasta.filePath("cravo.dec"));
        OpcoesPrograma opcoes;
        opcoes.somInicial = false;
        opcoes.tempoMinimo = std::chrono::milliseconds(0);
        opcoes.contarImpressoras = [] { return 1; };
        programa =
            std::make_unique<Programa>(PastaPrograma{pasta.path().toStdString(), false}, opcoes);
        programa->iniciar();
        TTrovaleForm1* janela = programa->janela();
        janela->executarInicioAdiado();
        documento = janela->abrirArquivo(pasta.filePath("cravo.dec"));
    }
    QWidget& principal() const { return *programa->janela(); }
};

// The chooser as the user must find it: on screen and mapped, above its owner, inside the
// screen, covering nothing of its owner; still above after a click on `outra`; and a real
// click on its second fingering picks it.
void conferirNavegador(QWidget& dono, QWidget& outra) {
    TChordsForm* navegador = nullptr;
    QTRY_VERIFY((navegador = janelaVisivel<TChordsForm>()) != nullptr);
    QTRY_VERIFY(x11::mapeada(*navegador));
    QTRY_VERIFY(x11::acima(*navegador, dono));
    // The window manager frames both windows a moment after they appear.
    const QRect tela = dono.screen()->availableGeometry();
    QTRY_VERIFY2(tela.contains(navegador->frameGeometry()) &&
                     !navegador->frameGeometry().intersects(dono.frameGeometry()),
                 qPrintable(QStringLiteral("screen %1, owner %2, beside %3")
                                .arg(QDebug::toString(tela), QDebug::toString(dono.frameGeometry()),
                                     QDebug::toString(navegador->frameGeometry()))));

    x11::clicar(centroGlobal(outra));
    QTest::qWait(300);  // the window manager restacks after the click
    QVERIFY(x11::acima(*navegador, outra));
    QVERIFY(x11::acima(*navegador, dono));

    ChordGrid& grade = navegador->grade();
    QVERIFY(grade.quantidade() >= 2);
    x11::clicar(grade.mapToGlobal(grade.retanguloCelula(2).center()));
    QTRY_COMPARE(grade.selecionada(), 2);
}

}  // namespace

class WindowsOnDesktopTest : public QObject {
    Q_OBJECT
  public:
    explicit WindowsOnDesktopTest(QString falta) : falta_(std::move(falta)) {}

  private slots:
    void init();
    void theChooserOfASongChord();
    void theChooserOfTheTextCheck();
    void theBrowserOfATransposition();
    void theFileWindowFitsTheScreenAndStaysPut();
    void theHelpOfAWindowThatWaits();
    void theNamesOfAFingeringBesideTheEditor();
    void theTemplateFloatingOverTheSong();

  private:
    QString falta_;
};

void WindowsOnDesktopTest::init() {
    if (!falta_.isEmpty()) QSKIP(qPrintable(falta_));
}

void WindowsOnDesktopTest::theChooserOfASongChord() {
    Programa1 p;
    QVERIFY(p.documento);
    SheetGrid* grade = p.documento->grade(0);
    const Sheet& folha = p.documento->folha();
    int linha = 0;
    while (!(isChordKind(folha.Columns[0][linha].Kind) && folha.Columns[0][linha].Line >= 0))
        ++linha;
    const QPoint acorde(folha.Columns[0][linha].ChordExtents[0].x + 2,
                        grade->retanguloLinha(linha).center().y());
    bool conferido = false;
    QTimer::singleShot(0, grade, [&] {
        TSelectForm* tipos = nullptr;
        QTRY_VERIFY((tipos = qobject_cast<TSelectForm*>(QApplication::activeModalWidget())) !=
                    nullptr);
        conferirNavegador(*tipos, *grade);
        conferido = true;
        tipos->reject();
    });
    QTest::mouseDClick(grade, Qt::LeftButton, {}, acorde);
    QVERIFY(conferido);
}

void WindowsOnDesktopTest::theChooserOfTheTextCheck() {
    Programa1 p;
    QVERIFY(p.documento);
    bool conferido = false;
    QTimer::singleShot(0, &p.principal(), [&] {
        TLetraDlg* editor = nullptr;
        QTRY_VERIFY((editor = janelaVisivel<TLetraDlg>()) != nullptr);
        QTimer::singleShot(0, editor, [&, editor] {
            TCheckForm* verificacao = nullptr;
            QTRY_VERIFY((verificacao = janelaVisivel<TCheckForm>()) != nullptr);
            verificacao->ListBox->setCurrentRow(1);
            verificacao->ListBox->setCurrentRow(0);
            conferirNavegador(*verificacao, *editor);
            conferido = true;
            verificacao->reject();
            editor->reject();
        });
        editor->BtnCheck->click();
    });
    p.programa->janela()->menu().mTexto->trigger();
    QVERIFY(conferido);
}

void WindowsOnDesktopTest::theBrowserOfATransposition() {
    Programa1 p;
    QVERIFY(p.documento);
    bool conferido = false;
    QTimer::singleShot(0, &p.principal(), [&] {
        TTransForm* transposicao = nullptr;
        QTRY_VERIFY((transposicao = janelaVisivel<TTransForm>()) != nullptr);
        transposicao->BtnUp->click();
        conferirNavegador(*transposicao, *p.documento->grade(0));
        conferido = true;
        transposicao->reject();
    });
    p.programa->janela()->menu().mTranspor->trigger();
    QVERIFY(conferido);
}

// "Abrir", twice: framed inside the screen at any scale, and where it was the first time.
void WindowsOnDesktopTest::theFileWindowFitsTheScreenAndStaysPut() {
    Programa1 p;
    QList<QRect> quadros;
    for (int vez = 0; vez < 2; ++vez) {
        QTimer::singleShot(0, &p.principal(), [&] {
            QDialog* arquivos = nullptr;
            QTRY_VERIFY((arquivos = qobject_cast<QDialog*>(QApplication::activeModalWidget())) !=
                        nullptr);
            const QRect tela = arquivos->screen()->availableGeometry();
            QTRY_VERIFY2(arquivos->frameGeometry() != arquivos->geometry() &&
                             tela.contains(arquivos->frameGeometry()),
                         qPrintable(QStringLiteral("screen %1, window %2")
                                        .arg(QDebug::toString(tela),
                                             QDebug::toString(arquivos->frameGeometry()))));
            QTRY_VERIFY(x11::mapeada(*arquivos));
            // Window managers place a window shown again by its inside: a title bar lower each
            // time, unless the program puts it back.
            if (!quadros.isEmpty())
                QTRY_COMPARE(arquivos->frameGeometry().topLeft(), quadros.front().topLeft());
            quadros << arquivos->frameGeometry();
            arquivos->reject();
        });
        p.programa->janela()->menu().mAbrir->trigger();
    }
    QCOMPARE(quadros.size(), 2);
}

// "&Identificar" in the fingering editor: the names of the fingering beside the editor, on
// a screen with room for both side by side, covering none of the editor's controls; a real
// click on a name picks it and "&Confirmar" links it.
void WindowsOnDesktopTest::theNamesOfAFingeringBesideTheEditor() {
    Programa1 p;
    bool conferido = false;
    QString vinculada;
    QTimer::singleShot(0, &p.principal(), [&] {
        TEditForm* editor = nullptr;
        const auto fechar = qScopeGuard([&] {
            if (editor) editor->reject();
        });
        QTRY_VERIFY((editor = janelaVisivel<TEditForm>()) != nullptr);
        // Four names and no message: Em7(b5), Gm6/E, C7(9)/E, F#7(#5/b9)/E.
        const auto trastes = lerTrastes("x x 2 3 3 3");
        QVERIFY(trastes.has_value());
        FretboardImage& braco = *editor->painelBraco()->Image;
        for (int corda = kCordas; corda >= 1; --corda)
            if (const int traste = (*trastes)[kCordas - corda]; traste > 0)
                QTest::mouseClick(
                    &braco, Qt::LeftButton, {},
                    braco.centro(corda, traste - editor->estado().digitacao.Casa + 1));
        QTimer::singleShot(0, editor, [&, editor] {
            TChooseForm* opcoes = nullptr;
            // Closed whatever happens, or a failed check would leave the test waiting.
            const auto fechar = qScopeGuard([&] {
                if (opcoes) opcoes->reject();
            });
            QTRY_VERIFY((opcoes = janelaVisivel<TChooseForm>()) != nullptr);
            QTRY_VERIFY(x11::mapeada(*opcoes));
            QTRY_VERIFY(x11::acima(*opcoes, *editor));
            // Room for both side by side: the names stand wholly beside the editor, at its top,
            // over none of its buttons and lists, once the window manager has framed them.
            const QRect tela = editor->screen()->availableGeometry();
            QVERIFY(editor->frameGeometry().width() + opcoes->frameGeometry().width() <=
                    tela.width());
            QTRY_VERIFY2(opcoes->frameGeometry() != opcoes->geometry() &&
                             tela.contains(opcoes->frameGeometry()) &&
                             !opcoes->frameGeometry().intersects(editor->frameGeometry()) &&
                             opcoes->frameGeometry().top() == editor->frameGeometry().top(),
                         qPrintable(QStringLiteral("screen %1, editor %2, names %3")
                                        .arg(QDebug::toString(tela),
                                             QDebug::toString(editor->frameGeometry()),
                                             QDebug::toString(opcoes->frameGeometry()))));

            GradeDeOpcoes& grade = *opcoes->DrawGrid;
            QCOMPARE(grade.texto(3, 0), QStringLiteral("C7(9)/E"));
            x11::clicar(grade.mapToGlobal(grade.retanguloCelula(3, 0).center()));
            QTRY_VERIFY(grade.escolha() && grade.escolha()->raiz == "C");
            x11::clicar(centroGlobal(*opcoes->BtnOK));
            QTRY_VERIFY(!opcoes->isVisible());
            conferido = true;
        });
        editor->BtnIdent->click();
        vinculada = QString::fromStdString(editor->estado().linkedRootName);
    });
    p.programa->janela()->menu().mDigitacao->trigger();
    QVERIFY(conferido);
    QCOMPARE(vinculada, QStringLiteral("C"));
}

// "Definir significado das linhas": the template floats over the song, inside the screen,
// still above after a click on the sheet, leaving the sheet's rows in view to drop onto.
void WindowsOnDesktopTest::theTemplateFloatingOverTheSong() {
    Programa1 p;
    QVERIFY(p.documento);
    QWidget& principal = p.principal();
    // Clicked once framed: the window manager moves the window's inside down to frame it.
    QTRY_VERIFY(x11::mapeada(principal) && principal.frameGeometry() != principal.geometry());
    x11::clicar(centroGlobal(*p.documento->BtnDrag));
    TModelForm* modelo = nullptr;
    QTRY_VERIFY((modelo = janelaVisivel<TModelForm>()) != nullptr);
    QVERIFY(modelo->modoArrastar());
    QTRY_VERIFY(x11::mapeada(*modelo));
    QTRY_VERIFY(x11::acima(*modelo, principal));
    // The rows in view of the sheet's first column: where each begins stays in sight, to be
    // dropped onto, and the column is never hidden whole.
    SheetGrid& coluna = *p.documento->grade(0);
    const auto emVista = [&] {
        const QRect r = coluna.visibleRegion().boundingRect();
        return QRect(coluna.mapToGlobal(r.topLeft()), r.size());
    };
    const auto cobertas = [&] {
        QList<int> linhas;
        for (int l = 0; l < coluna.numeroLinhas(); ++l) {
            const QRect r = coluna.retanguloLinha(l);
            const QRect linha = QRect(coluna.mapToGlobal(r.topLeft()), r.size()) & emVista();
            if (!linha.isEmpty() &&
                modelo->frameGeometry().contains(QPoint(linha.left() + 8, linha.center().y())))
                linhas << l;
        }
        return linhas;
    };
    const QRect tela = principal.screen()->availableGeometry();
    QTRY_VERIFY2(
        modelo->frameGeometry() != modelo->geometry() && tela.contains(modelo->frameGeometry()) &&
            !modelo->frameGeometry().contains(emVista()) && cobertas().isEmpty() &&
            modelo->frameGeometry().top() >= coluna.mapToGlobal(QPoint(0, 0)).y(),
        qPrintable(QStringLiteral("screen %1, template %2, first column %3, rows %4")
                       .arg(QDebug::toString(tela), QDebug::toString(modelo->frameGeometry()),
                            QDebug::toString(emVista()), QDebug::toString(cobertas()))));
    QVERIFY(coluna.numeroLinhas() > 0);

    x11::clicar(QPoint(emVista().left() + 8, emVista().center().y()));
    QTest::qWait(300);  // the window manager restacks after the click
    QVERIFY(x11::acima(*modelo, principal));
    QVERIFY(modelo->isVisible());
    modelo->reject();
}

// "Ajuda" in a window that keeps the program waiting (Transposição): the help comes above it
// and takes a real click, so that its pages can be read and searched.
void WindowsOnDesktopTest::theHelpOfAWindowThatWaits() {
    Programa1 p;
    QVERIFY(p.documento);
    bool conferido = false;
    QTimer::singleShot(0, &p.principal(), [&] {
        TTransForm* transposicao = nullptr;
        QTRY_VERIFY((transposicao = janelaVisivel<TTransForm>()) != nullptr);
        const auto fechar = qScopeGuard([&] { transposicao->reject(); });
        QTRY_VERIFY(x11::mapeada(*transposicao));
        transposicao->HelpBtn->click();
        THelpForm* ajuda = nullptr;
        QTRY_VERIFY((ajuda = janelaVisivel<THelpForm>()) != nullptr);
        QTRY_VERIFY(x11::mapeada(*ajuda));
        QTRY_VERIFY2(x11::acima(*ajuda, *transposicao),
                     qPrintable(QStringLiteral("help %1 (parent %2), transposition %3, stack %4")
                                    .arg(ajuda->winId())
                                    .arg(QDebug::toString(ajuda->parentWidget()))
                                    .arg(transposicao->winId())
                                    .arg(QDebug::toString(x11::pilha()))));
        QListWidget* paginas = ajuda->findChild<QListWidget*>();
        QVERIFY(paginas && paginas->count() > 1);
        const int outra = paginas->currentRow() == 0 ? 1 : 0;
        const QRect item = paginas->visualItemRect(paginas->item(outra));
        if (!item.isEmpty()) {
            // On a busy machine the window manager may still be placing the help when the
            // first click comes: it is clicked again, where the item now is, until one lands.
            const auto clicada = [&] {
                x11::clicar(paginas->viewport()->mapToGlobal(
                    paginas->visualItemRect(paginas->item(outra)).center()));
                QTest::qWait(150);
                return paginas->currentRow() == outra;
            };
            QTRY_VERIFY_WITH_TIMEOUT(clicada(), 15000);
        }
        conferido = true;
    });
    p.programa->janela()->menu().mTranspor->trigger();
    QVERIFY(conferido);
    // The help stays open once the window that asked for it is gone.
    THelpForm* ajuda = janelaVisivel<THelpForm>();
    QTRY_VERIFY(ajuda != nullptr && x11::mapeada(*ajuda));
    ajuda->close();
}

int main(int argc, char** argv) {
    trovale::testing::DesktopVirtual desktop;
    QApplication app(argc, argv);
    WindowsOnDesktopTest teste(desktop.falta());
    return QTest::qExec(&teste, argc, argv);
}

#include "windows_on_desktop_test.moc"
