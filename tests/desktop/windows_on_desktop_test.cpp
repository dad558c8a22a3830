// The side windows as a user meets them on a desktop with a real window manager (Openbox on a
// private Xvfb display): the fingering chooser appears beside the window that called it,
// inside the screen, stacked above it, and stays above it after a click elsewhere in the
// program; a real click where it stands reaches it. The offscreen tests cannot see stacking.

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
#include "ui/chord_choice/chord_grid.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/chord_choice/select_form.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/trovale_form1.h"
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
        QFile::copy(kFontes + "/data/songs/O cravo brigou com a rosa.dec", pasta.filePath("cravo.dec"));
        OpcoesPrograma opcoes;
        opcoes.somInicial = false;
        opcoes.tempoMinimo = std::chrono::milliseconds(0);
        opcoes.contarImpressoras = [] { return 1; };
        programa = std::make_unique<Programa>(PastaPrograma{pasta.path().toStdString(), false}, opcoes);
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
    while (!(isChordKind(folha.Columns[0][linha].Kind) && folha.Columns[0][linha].Line >= 0)) ++linha;
    const QPoint acorde(folha.Columns[0][linha].ChordExtents[0].x + 2,
                        grade->retanguloLinha(linha).center().y());
    bool conferido = false;
    QTimer::singleShot(0, grade, [&] {
        TSelectForm* tipos = nullptr;
        QTRY_VERIFY((tipos = qobject_cast<TSelectForm*>(QApplication::activeModalWidget())) != nullptr);
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
            QTRY_VERIFY((arquivos = qobject_cast<QDialog*>(QApplication::activeModalWidget())) != nullptr);
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

int main(int argc, char** argv) {
    trovale::testing::DesktopVirtual desktop;
    QApplication app(argc, argv);
    WindowsOnDesktopTest teste(desktop.falta());
    return QTest::qExec(&teste, argc, argv);
}

#include "windows_on_desktop_test.moc"
