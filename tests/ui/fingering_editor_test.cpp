// The fingering editor driven as a guitarist drives it: clicks and drags on the fretboard at
// the points the hit test reads, the fret window, the link and its colours, identification
// through the candidate window, verification, cataloguing and the browser beside it, all on
// the shipped catalogue copied to a temporary program folder.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "base/file_system.h"
#include "catalogue/catalogue_commands.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/frets_notation.h"
#include "catalogue/notes.h"
#include "fingering/same_sound.h"
#include "support/recording_dialogs.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/common/chord_sound.h"
#include "ui/chord_choice/select_form.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/fingering_editor/choose_form.h"
#include "ui/fingering_editor/criar_form.h"
#include "ui/fingering_editor/detail_panel.h"
#include "ui/fingering_editor/edit_form.h"
#include "ui/fingering_editor/fingering_drag.h"
#include "ui/fingering_editor/fretboard_panel.h"
#include "ui/help/help_form.h"

using namespace trovale;

namespace {

// Absolute frets from string 6 to string 1, "x" for a string not struck.
QString trastes(const TDigitacao& d) {
    return QString::fromStdString(escreverTrastes(trastesDe(d)));
}

// Runs `acao` on the first modal window of type T that comes up, then stops looking.
template <typename T>
void quandoAbrir(std::function<void(T&)> acao) {
    auto* relogio = new QTimer;
    relogio->setInterval(10);
    QObject::connect(relogio, &QTimer::timeout, relogio, [relogio, acao] {
        auto* janela = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!janela || !janela->isVisible()) return;
        relogio->stop();
        relogio->deleteLater();
        acao(*janela);
    });
    relogio->start();
}

// What the windows asked of the sound.
struct SomGravado : SomDeAcordes {
    QStringList pedidos;
    void tocar(const TDigitacao& d, int capo) override {
        pedidos << "tocar " + trastes(d) + (capo ? QString(" capo %1").arg(capo) : QString());
    }
    void tocarTipo(const TTipoAcorde&, int raiz) override { pedidos << QString("tipo %1").arg(raiz); }
    void soltar() override { pedidos << "soltar"; }
    void parar() override { pedidos << "parar"; }
};

class ProgramFolder {
  public:
    ProgramFolder() {
        const QDir origem = QFileInfo(QStringLiteral(TROVALE_EXECUTABLE)).dir();
        for (const char* nome : {"ACORDES.TIP", "POSICOES.DIG"})
            QFile::copy(origem.filePath(QLatin1String(nome)), pasta_.filePath(QLatin1String(nome)));
    }
    ArquivosCatalogo arquivos() { return {pasta_.path().toStdString(), fs_}; }

  private:
    QTemporaryDir pasta_;
    DiskFileSystem fs_;
};

struct Editor {
    ProgramFolder pasta;
    Catalogo catalogo;
    Aparencia aparencia;
    testing::RecordingDialogs dialogs;
    LembreteGravacao lembrete;
    std::unique_ptr<TSelectForm> selecao;
    std::unique_ptr<TEditForm> janela;

    explicit Editor(int casas = 5) {
        aparencia.Extensao = casas == 4 ? 1 : 2;
        AbrirCatalogo(pasta.arquivos(), catalogo, dialogs);
        selecao = std::make_unique<TSelectForm>(catalogo, aparencia, dialogs);
        janela = std::make_unique<TEditForm>(catalogo, aparencia, dialogs, lembrete, *selecao);
        janela->preparar(std::nullopt);
        janela->show();
    }
    FretboardImage& imagem() { return *janela->painelBraco()->Image; }
    const TDigitacao& digitacao() { return janela->estado().digitacao; }
    void clicar(int corda, int casa) {
        QTest::mouseClick(&imagem(), Qt::LeftButton, {}, imagem().centro(corda, casa));
    }
    void alternar(int corda) { clicar(corda, aparencia.casas() + 1); }
    // Presses an empty place (a note goes there) and drags along the fret to another string.
    void arrastar(int de, int casa, int ate) {
        FretboardImage& i = imagem();
        const QPoint inicio = i.centro(de, casa), fim = i.centro(ate, casa);
        QTest::mousePress(&i, Qt::LeftButton, {}, inicio);
        for (int passo = 1; passo <= 4; ++passo) {
            const QPoint p = inicio + (fim - inicio) * passo / 4;
            QMouseEvent movido(QEvent::MouseMove, p, i.mapToGlobal(p), Qt::NoButton,
                               Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&i, &movido);
        }
        QTest::mouseRelease(&i, Qt::LeftButton, {}, fim);
    }
    // Plays a shape written "x 3 2 0 1 0": each fretted string clicked, each open one toggled.
    void montar(const char* notacao) {
        const auto lidos = lerTrastes(notacao);
        QVERIFY(lidos.has_value());
        for (int corda = kCordas; corda >= 1; --corda) {
            const int traste = (*lidos)[kCordas - corda];
            if (traste > 0) clicar(corda, traste - digitacao().Casa + 1);
            if (traste == 0) alternar(corda);
        }
    }
    // Links through "&Vincular acorde" as a user does, choosing root and type in the lists.
    void vincular(const QString& raiz, const QString& tipo) {
        quandoAbrir<TSelectForm>([raiz, tipo](TSelectForm& s) {
            s.ComboBoxSigla->setCurrentText(raiz);
            s.ComboBoxTipo->setCurrentText(tipo);
            s.BtnOK->click();
        });
        janela->BtnVinculo->click();
    }
};

}  // namespace

class FingeringEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void theIdentificationWindowHasItsHelp();
    void clicksAndDragsBuildTheFingering_data();
    void clicksAndDragsBuildTheFingering();
    void theFretWindowStaysWithinOneToTwelve();
    void theLinkedChordShowsItsTonesInColour();
    void identificationListsTheCandidates_data();
    void identificationListsTheCandidates();
    void identificationLinksTheChosenSpelling();
    void verificationAndCataloguing();
    void theBrowserWritesBackDeletions();
    void transposedVersionsAreCatalogued();
    void sameSoundOtherwiseFingeredAsks();
    void aCancelledLinkIsPutBack();
    void leavingWithPendingChangesAsks();
    void aFingeringDroppedOnTheFretboardIsLoaded();
    void newTypeIntervalsFromTheNotes();
    void theRightButtonSoundsTheFingering();
};

// Each row: the gestures, then the frets that result and the messages shown.
void FingeringEditorTest::clicksAndDragsBuildTheFingering_data() {
    QTest::addColumn<std::function<void(Editor&)>>("gestos");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QStringList>("mensagens");
    const QString ocupada = QStringLiteral(
        "Corda já pressionada. Caso queira introduzir uma pestana, comece pelo outro extremo.");
    const QString excede =
        QStringLiteral("Digitação excederia o número máximo de elementos (notas ou pestanas).");
    QTest::newRow("a note, clicked again, goes") << std::function<void(Editor&)>([](Editor& e) {
        e.clicar(5, 3);
        e.clicar(5, 3);
    }) << "x 0 x x x x" << QStringList();
    QTest::newRow("another fret of a pressed string") << std::function<void(Editor&)>([](Editor& e) {
        e.clicar(5, 3);
        e.clicar(5, 2);
    }) << "x 3 x x x x" << QStringList{ocupada};
    QTest::newRow("a fifth note") << std::function<void(Editor&)>([](Editor& e) {
        for (int corda = 5; corda >= 1; --corda) e.clicar(corda, corda == 1 ? 1 : 2);
    }) << "x 2 2 2 2 x" << QStringList{excede};
    QTest::newRow("a barre dragged across four strings")
        << std::function<void(Editor&)>([](Editor& e) {
               e.clicar(4, 1);
               e.arrastar(1, 1, 4);  // the note on string 4 goes under the barre
               e.clicar(5, 3);
           })
        << "x 3 1 1 1 1" << QStringList();
    QTest::newRow("two barres, then a third refused")
        << std::function<void(Editor&)>([](Editor& e) {
               e.arrastar(6, 1, 1);
               e.arrastar(4, 3, 2);
               e.arrastar(5, 2, 6);
           })
        << "1 2 3 3 3 1" << QStringList{QStringLiteral("Acorde já contém 2 pestanas.")};
    QTest::newRow("a second barre on the first one's fret")
        << std::function<void(Editor&)>([](Editor& e) {
               e.arrastar(3, 1, 1);
               e.arrastar(5, 1, 4);
           })
        << "x 1 x 1 1 1" << QStringList{QStringLiteral("Traste já contém pestana.")};
    QTest::newRow("a click on a barre removes it")
        << std::function<void(Editor&)>([](Editor& e) {
               e.arrastar(3, 2, 1);
               e.clicar(2, 2);
           })
        << "x x x 0 0 0" << QStringList();
    QTest::newRow("the bass string toggled off") << std::function<void(Editor&)>([](Editor& e) {
        e.montar("x 3 2 0 1 0");
        e.alternar(5);
    }) << "x x 2 0 1 0" << QStringList();
}

void FingeringEditorTest::clicksAndDragsBuildTheFingering() {
    QFETCH(std::function<void(Editor&)>, gestos);
    QFETCH(QString, resultado);
    QFETCH(QStringList, mensagens);
    Editor e;
    gestos(e);
    QCOMPARE(trastes(e.digitacao()), resultado);
    QStringList vistas;
    for (const std::string& m : e.dialogs.avisos) vistas << QString::fromStdString(m);
    QCOMPARE(vistas, mensagens);
}

void FingeringEditorTest::theFretWindowStaysWithinOneToTwelve() {
    Editor e;
    e.clicar(5, 3);
    QTest::keyClick(e.janela.get(), Qt::Key_Minus);
    QCOMPARE(e.digitacao().Casa, 1);
    for (int k = 0; k < 12; ++k) e.janela->SpeedButtonMais->click();
    QCOMPARE(e.digitacao().Casa, 12);
    QCOMPARE(trastes(e.digitacao()), QStringLiteral("x 14 x x x x"));
    FretboardPanel& painel = *e.janela->painelBraco();
    QCOMPARE(painel.LabelT[0]->text(), QStringLiteral("12"));
    QCOMPARE(painel.LabelT[4]->text(), QStringLiteral("16"));
    QCOMPARE(painel.LabelC[4]->text(), QStringLiteral("B"));
    QTest::keyClick(e.janela.get(), Qt::Key_Minus);
    QCOMPARE(painel.LabelT[0]->text(), QStringLiteral("11"));
}

void FingeringEditorTest::theLinkedChordShowsItsTonesInColour() {
    Editor e;
    QVERIFY(e.janela->PanelHelp->isVisible());
    QVERIFY(!e.janela->BtnIncluir->isEnabled());
    e.montar("2 x 1 3 1 x");
    e.vincular(QStringLiteral("Gb"), QStringLiteral("Maior com 6ª"));
    QVERIFY(e.janela->estado().linked());
    QVERIFY(e.janela->PanelDetalhe->isVisible());
    QVERIFY(e.janela->BtnIncluir->isEnabled());
    QCOMPARE(e.janela->BtnVinculo->text(), QStringLiteral("&Desvincular acorde"));
    const DetailPanel& d = *e.janela->PanelDetalhe;
    QCOMPARE(d.tom(0), QStringLiteral("Gb"));
    QCOMPARE(d.tom(1), QStringLiteral("Bb"));
    QCOMPARE(d.LabelA[0]->text(), QStringLiteral("1"));
    // The root's label takes the root's colours: yellow on green.
    const QLabel& baixo = *e.janela->painelBraco()->LabelC[5];
    QCOMPARE(baixo.text(), QStringLiteral("Gb"));
    QCOMPARE(baixo.palette().color(QPalette::Window), QColor(0x00, 0x80, 0x00));
    QCOMPARE(baixo.palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));

    // The sixth of Gb reads as the thirteenth's letter, Eb, not D#.
    e.janela->BtnVinculo->click();
    QVERIFY(!e.janela->estado().linked());
    e.vincular(QStringLiteral("Gb"), QStringLiteral("Maior com 7ª e 13ª"));
    bool temEb = false;
    for (int k = 0; k < 6; ++k) temEb = temEb || d.tom(k) == QStringLiteral("Eb");
    QVERIFY(temEb);
}

// Each row: a shape, then the candidate rows as "symbol|other spelling|remark" and the
// message shown before the window.
void FingeringEditorTest::identificationListsTheCandidates_data() {
    QTest::addColumn<QString>("forma");
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("C E G on strings 5, 4, 3: the chord on its bass first")
        << "x 3 2 0 x x"
        << QStringList{"C||", "Em(b6)/C||Sem 5ª", "Am7/C||Sem 1ª",
                       "G#7M(#5)/C|Ab7M(#5)/C|Sem 1ª"}
        << "";
    QTest::newRow("a seventh without its fifth")
        << "x 3 2 3 x x" << QStringList{"C7||Sem 5ª", "F#7(b5)/C|Gb7(b5)/C|Sem 1ª"} << "";
    QTest::newRow("a ninth without its root")
        << "x x 2 3 3 3"
        << QStringList{"Em7(b5)||", "Gm6/E||", "C7(9)/E||Sem 1ª", "F#7(#5/b9)/E|Gb7(#5/b9)/E|Sem 1ª"}
        << "";
    QTest::newRow("eight chords, five shown")
        << "x x 1 2 1 2"
        << QStringList{"D#°|Eb°|", "F#°/Eb|Gb°/Eb|", "C°/Eb||", "A°/Eb||", "B7(b9)/D#||Sem 1ª"}
        << "8 acordes correspondem à digitação. Apenas os cinco primeiros serão mostrados.";
}

void FingeringEditorTest::identificationListsTheCandidates() {
    QFETCH(QString, forma);
    QFETCH(QStringList, linhas);
    QFETCH(QString, mensagem);
    Editor e;
    e.montar(forma.toUtf8().constData());
    QStringList vistas;
    quandoAbrir<TChooseForm>([&vistas](TChooseForm& c) {
        for (int linha = 1; linha < GradeDeOpcoes::kLinhas; ++linha)
            if (!c.DrawGrid->texto(linha, 0).isEmpty())
                vistas << c.DrawGrid->texto(linha, 0) + "|" + c.DrawGrid->texto(linha, 1) + "|" +
                              c.DrawGrid->texto(linha, 2);
        c.BtnCancel->click();
    });
    e.janela->BtnIdent->click();
    QCOMPARE(vistas, linhas);
    QCOMPARE(QString::fromStdString(e.dialogs.avisos.empty() ? "" : e.dialogs.avisos.front()),
             mensagem);
    QVERIFY(!e.janela->estado().linked());
}

void FingeringEditorTest::identificationLinksTheChosenSpelling() {
    Editor e;
    e.montar("x 4 3 1 2 x");  // C# F G# C#: C# major first
    quandoAbrir<TChooseForm>([](TChooseForm& c) {
        QCOMPARE(c.DrawGrid->texto(0, 0), QStringLiteral("Cifra padrão"));
        QVERIFY(c.DrawGrid->selecionar(1, 1));  // "Equivalente" of the first candidate
        c.BtnOK->click();
    });
    e.janela->BtnIdent->click();
    QVERIFY(e.janela->estado().linked());
    QCOMPARE(QString::fromStdString(e.janela->estado().linkedRootName), QStringLiteral("Db"));
    QVERIFY(e.janela->navegador().isVisible());
}

void FingeringEditorTest::verificationAndCataloguing() {
    Editor e;
    e.montar("x 3 2 0 1 0");
    e.vincular(QStringLiteral("C"), QStringLiteral("Maior"));
    e.janela->BtnVerificar->click();
    QCOMPARE(QString::fromStdString(e.dialogs.avisos.back()),
             QStringLiteral("Digitação corresponde ao acorde vinculado."));
    // The shipped open C is catalogued already.
    e.dialogs.avisos.clear();
    e.janela->BtnIncluir->click();
    QCOMPARE(QString::fromStdString(e.dialogs.avisos.back()),
             QStringLiteral("Digitação previamente catalogada para este tipo de acorde."));
    e.dialogs.avisos.clear();
    // Without the C on string 2 the open B rings: a note the chord does not admit.
    e.clicar(2, 1);
    e.janela->BtnVerificar->click();
    QCOMPARE(QString::fromStdString(e.dialogs.avisos.back()),
             QStringLiteral("Digitação incorreta: a nota \"B\" não é admitida neste acorde."));
    // Five strings of the open shape: a subset of a catalogued one, filed all the same.
    e.clicar(2, 1);
    e.alternar(1);
    e.dialogs.avisos.clear();
    const int antes = e.catalogo.digitacoes.NumDigitacoes();
    e.janela->BtnIncluir->click();
    QVERIFY(QString::fromStdString(e.dialogs.avisos.front()).contains(
        QStringLiteral("é um subconjunto da ")));
    QCOMPARE(e.catalogo.digitacoes.NumDigitacoes(), antes + 1);
    QVERIFY(QString::fromStdString(e.dialogs.avisos.back()).startsWith(
        QStringLiteral("Todas as alterações feitas nos acordes")));
    TChordsForm& n = e.janela->navegador();
    QCOMPARE(n.grade().selecionada(), n.grade().quantidade());
    // Catalogued twice: refused.
    e.janela->BtnIncluir->click();
    QCOMPARE(QString::fromStdString(e.dialogs.avisos.back()),
             QStringLiteral("Digitação previamente catalogada para este tipo de acorde."));
    QCOMPARE(e.catalogo.digitacoes.NumDigitacoes(), antes + 1);
}

void FingeringEditorTest::theBrowserWritesBackDeletions() {
    Editor e;
    e.montar("x 3 2 0 1 0");
    e.vincular(QStringLiteral("C"), QStringLiteral("Maior"));
    TChordsForm& n = e.janela->navegador();
    QVERIFY(n.isVisible());
    QCOMPARE(n.BtnOK->text(), QStringLiteral("&Atualizar"));
    QVERIFY(!n.BtnOK->isEnabled());
    const int antes = e.catalogo.digitacoes.NumDigitacoes();
    const int quantas = n.grade().quantidade();
    QVERIFY(quantas >= 3);
    // A later chord's first fingering moves down by two.
    const int d = notaDaGrafia("D");
    const int indiceD = e.catalogo.digitacoes.IndiceDigitacoes[d][1];
    const TDigitacaoGravada terceira =
        e.catalogo.digitacoes.Digitacoes[e.catalogo.digitacoes.IndiceDigitacoes[4][1] + 1];
    n.grade().selecionar(1);
    QTest::keyClick(&n.grade(), Qt::Key_Delete);
    QTest::keyClick(&n.grade(), Qt::Key_Delete);
    QCOMPARE(n.grade().quantidade(), quantas - 2);
    QVERIFY(n.BtnOK->isEnabled());
    n.BtnOK->click();
    QCOMPARE(e.catalogo.digitacoes.NumDigitacoes(), antes - 2);
    if (indiceD > e.catalogo.digitacoes.IndiceDigitacoes[4][1])
        QCOMPARE(int(e.catalogo.digitacoes.IndiceDigitacoes[d][1]), indiceD - 2);
    QCOMPARE(e.catalogo.digitacoes.Digitacoes[e.catalogo.digitacoes.IndiceDigitacoes[4][1] - 1],
             terceira);
    QVERIFY(e.catalogo.DigitacoesAlteradas);

    // Moving the last entry onto the first reorders the list.
    const TDigitacao ultima = n.lista().entradas.back().digitacao;
    n.moverEntrada(n.grade().quantidade(), 1);
    QCOMPARE(Codificar(n.lista().entradas.front().digitacao), Codificar(ultima));

    // Saved with the menu's command and read back, the catalogue is the same.
    n.BtnOK->click();
    comandoGravarPosicoes(e.pasta.arquivos(), e.catalogo, e.dialogs, [] { return 46000.0; });
    Catalogo lido;
    AbrirCatalogo(e.pasta.arquivos(), lido, e.dialogs);
    QCOMPARE(lido.digitacoes.Digitacoes, e.catalogo.digitacoes.Digitacoes);
    QVERIFY(lido.digitacoes.IndiceDigitacoes == e.catalogo.digitacoes.IndiceDigitacoes);
}

void FingeringEditorTest::transposedVersionsAreCatalogued() {
    Editor e;
    e.montar("0 2 2 1 0 0");
    e.vincular(QStringLiteral("E"), QStringLiteral("Maior"));
    QStringList vistas;
    quandoAbrir<TChordsForm>([&vistas](TChordsForm& n) {
        vistas << n.windowTitle();
        for (const EntradaLista& entrada : n.lista().entradas)
            vistas << QString::fromStdString(entrada.raiz) + QLatin1Char(':') +
                          trastes(entrada.digitacao);
        n.BtnOK->click();
    });
    e.janela->BtnTranspor->click();
    QCOMPARE(vistas.size(), 12);
    QCOMPARE(vistas[0], QStringLiteral("Transposições"));
    QCOMPARE(vistas[1], QStringLiteral("E:0 2 2 1 0 0"));
    QCOMPARE(vistas[2], QStringLiteral("F:1 3 3 2 1 1"));
    QCOMPARE(vistas[11], QStringLiteral("D:10 12 12 11 10 10"));
    // Every version is in the catalogue now, each under its own root.
    const TDigitacao original = e.digitacao();
    for (int passo = 1; passo <= 10; ++passo) {
        TDigitacao versao;
        versao.Casa = passo;
        versao.Pestanas[0] = {1, 6, 1};
        versao.Notas[0] = {5, 3};
        versao.Notas[1] = {4, 3};
        versao.Notas[2] = {3, 2};
        versao.Estado = original.Estado;
        QVERIFY2(isAlreadyCatalogued(e.catalogo, versao, reduzirNota(8 + passo), 1),
                 qPrintable(QString::number(passo)));
    }
    QCOMPARE(e.janela->navegador().windowTitle(), QStringLiteral(" Digitações do acorde"));
}

void FingeringEditorTest::sameSoundOtherwiseFingeredAsks() {
    Editor e;
    e.arrastar(5, 3, 1);  // the shipped C at the third fret, its top three strings
    e.arrastar(4, 5, 2);  // under a second barre instead of three fingers
    QCOMPARE(trastes(e.digitacao()), QStringLiteral("x 3 5 5 5 3"));
    e.vincular(QStringLiteral("C"), QStringLiteral("Maior"));
    const int antes = e.catalogo.digitacoes.NumDigitacoes();
    e.dialogs.respostas = {Resposta::Nao};
    e.janela->BtnIncluir->click();
    QCOMPARE(e.dialogs.perguntas.size(), std::size_t(1));
    QCOMPARE(e.dialogs.perguntas[0].first, 8);
    QCOMPARE(e.catalogo.digitacoes.NumDigitacoes(), antes);
    e.dialogs.respostas = {Resposta::Sim};
    e.janela->BtnIncluir->click();
    QCOMPARE(e.catalogo.digitacoes.NumDigitacoes(), antes + 1);
}

void FingeringEditorTest::aCancelledLinkIsPutBack() {
    Editor e;
    e.montar("x 3 2 0 1 0");
    bool vistoAoVivo = false;
    quandoAbrir<TSelectForm>([&](TSelectForm& s) {
        s.ComboBoxSigla->setCurrentText(QStringLiteral("A"));
        s.ComboBoxTipo->setCurrentText(QStringLiteral("Menor"));
        vistoAoVivo = e.janela->PanelDetalhe->isVisible() &&
                      e.janela->PanelDetalhe->tom(1) == QStringLiteral("C");
        s.BtnCancel->click();
    });
    e.janela->BtnVinculo->click();
    QVERIFY(vistoAoVivo);
    QVERIFY(!e.janela->estado().linked());
    QVERIFY(e.janela->PanelHelp->isVisible());
}

void FingeringEditorTest::leavingWithPendingChangesAsks() {
    Editor e;
    e.montar("x 3 2 0 1 0");
    e.vincular(QStringLiteral("C"), QStringLiteral("Maior"));
    TChordsForm& n = e.janela->navegador();
    QTest::keyClick(&n.grade(), Qt::Key_Delete);
    e.dialogs.respostas = {Resposta::Sim};
    e.janela->BtnCancel->click();
    QVERIFY(e.janela->isVisible());
    QCOMPARE(e.dialogs.perguntas.back().first, 2);
    e.dialogs.respostas = {Resposta::Nao};
    e.janela->BtnCancel->click();
    QVERIFY(!e.janela->isVisible());
    QVERIFY(!n.isVisible());
}

void FingeringEditorTest::aFingeringDroppedOnTheFretboardIsLoaded() {
    Editor e;
    e.montar("x 3 2 0 1 0");
    e.vincular(QStringLiteral("C"), QStringLiteral("Maior"));
    const EntradaLista segunda = e.janela->navegador().lista().entradas.at(1);
    std::unique_ptr<QMimeData> mime(mimeDaDigitacao({segunda.digitacao, "C"}));
    const QPoint meio = e.imagem().rect().center();
    QDragEnterEvent entrada(meio, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.imagem(), &entrada);
    QVERIFY(entrada.isAccepted());
    QDropEvent solto(QPointF(meio), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&e.imagem(), &solto);
    QCOMPARE(trastes(e.digitacao()), trastes(segunda.digitacao));
}

void FingeringEditorTest::newTypeIntervalsFromTheNotes() {
    Editor e;
    e.montar("x 3 2 3 1 x");  // C E Bb C: the bass C
    QStringList vistas;
    quandoAbrir<TCriarForm>([&vistas](TCriarForm& c) {
        for (int k = 0; k < 4; ++k) vistas << c.Label[k]->text();
        c.BtnOK->click();
    });
    e.janela->BtnCriar->click();
    QCOMPARE(vistas, (QStringList{"C", "A#", "E", ""}));
    QCOMPARE(QString::fromStdString(e.dialogs.avisos.back()),
             QStringLiteral("Novo tipo de acorde sobre C: 1 3 b7."));
}

void FingeringEditorTest::theRightButtonSoundsTheFingering() {
    Editor e;
    SomGravado som;
    e.janela->setSom(&som);
    e.selecao->navegador().setSom(&som);
    e.montar("x 3 2 0 1 0");
    som.pedidos.clear();
    QTest::mousePress(&e.imagem(), Qt::RightButton, {}, e.imagem().centro(3, 3));
    QTest::mouseRelease(&e.imagem(), Qt::RightButton, {}, e.imagem().centro(3, 3));
    QCOMPARE(som.pedidos, (QStringList{"tocar x 3 2 0 1 0", "soltar"}));
    QCOMPARE(trastes(e.digitacao()), QStringLiteral("x 3 2 0 1 0"));
    // A diagram of the browser beside sounds its own fingering.
    e.vincular(QStringLiteral("C"), QStringLiteral("Maior"));
    ChordGrid& grade = e.janela->navegador().grade();
    const QPoint segunda = grade.retanguloCelula(2).center();
    som.pedidos.clear();
    QTest::mousePress(grade.viewport(), Qt::RightButton, {}, segunda);
    QTest::mouseRelease(grade.viewport(), Qt::RightButton, {}, segunda);
    QCOMPARE(som.pedidos,
             (QStringList{"tocar " + trastes(e.janela->navegador().lista().entradas[1].digitacao),
                          "soltar"}));
}

QTEST_MAIN(FingeringEditorTest)
// The identification window opened from the editor answers its Help button.
void FingeringEditorTest::theIdentificationWindowHasItsHelp() {
    Editor e;
    THelpForm ajuda;
    e.janela->setAjuda(&ajuda);
    QVERIFY(e.janela->opcoes().BtnHelp->isEnabled());
    QTest::mouseClick(e.janela->opcoes().BtnHelp, Qt::LeftButton);
    QCOMPARE(ajuda.paginaAtual(), QStringLiteral("opcoes_nomenclatura.html"));
}

#include "fingering_editor_test.moc"
