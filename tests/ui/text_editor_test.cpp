// The text-mode editor and the interpretation check as a musician uses them: typing in both
// modes, clicking past the end of a line, markers, the font, the line limit, confirming and
// cancelling; stepping through the lines, choosing how chords are written, the text rewritten
// by columns, the refusal for lack of room, fingerings kept or given back.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "catalogue/fingering_file.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
#include "catalogue/type_file.h"
#include "support/recording_dialogs.h"
#include "ui/text_editor/check_form.h"
#include "ui/text_editor/letra_dlg.h"
#include "ui/text_editor/line_view.h"
#include "ui/text_editor/paint_box.h"
#include "ui/text_editor/text_grid.h"

using namespace trovale;
using trovale::testing::RecordingDialogs;

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr int kMenor = 2;
const QString kSemEspaco =
    QStringLiteral("Falta espaço em uma ou mais linhas para o texto da nova sigla: ");

// The shipped chord types, with an open C, an open G and an open A minor.
const Catalogo& catalogo() {
    static const Catalogo c = [] {
        Catalogo montado;
        std::ifstream tipos(TROVALE_SOURCE_DIR "/data/ACORDES.TIP", std::ios::binary);
        lerTipos(std::string(std::istreambuf_iterator<char>(tipos), {}), montado.tipos);
        const struct {
            int nota, tipo;
            const char* trastes;
        } registros[] = {{4, 1, "x 3 2 0 1 0"}, {11, 1, "3 2 0 0 0 3"}, {1, kMenor, "x 0 2 2 1 0"}};
        BancoDigitacoes banco;
        for (const auto& r : registros) {
            TDigitacao d = *digitacaoDeTrastes(*lerTrastes(r.trastes));
            d.Nota = r.nota;
            d.Tipo = r.tipo;
            banco.Digitacoes.push_back(Codificar(d));
        }
        lerDigitacoes(escreverDigitacoes(banco), montado.tipos, montado.digitacoes);
        return montado;
    }();
    return c;
}

QString linhaDoMemo(const TLetraDlg& dlg, int linha) {
    return dlg.Memo->document()->findBlockByNumber(linha).text();
}

void porCursorEm(TLetraDlg& dlg, int linha, int coluna) {
    QTextCursor c(dlg.Memo->document()->findBlockByNumber(linha));
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, coluna);
    dlg.Memo->setTextCursor(c);
}

// The point in the editor's viewport at the middle of a column of a line.
QPoint pontoDaColuna(const TLetraDlg& dlg, int linha, int coluna) {
    QTextCursor inicio(dlg.Memo->document()->findBlockByNumber(linha));
    const QRect r = dlg.Memo->cursorRect(inicio);
    const double largura = QFontMetricsF(dlg.Memo->font()).horizontalAdvance(QLatin1Char('a'));
    return {r.left() + static_cast<int>((coluna + 0.5) * largura), r.center().y()};
}

struct Editor {
    RecordingDialogs dialogs;
    TLetraDlg dlg{catalogo(), dialogs};

    explicit Editor(std::vector<std::string> linhas) {
        dlg.setTexto(std::move(linhas));
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }
};

struct Verificacao {
    RecordingDialogs dialogs;
    AcordesConhecidos conhecidos;
    TCheckForm form{catalogo(), dialogs};

    explicit Verificacao(std::vector<std::string> linhas) {
        form.setTexto(std::move(linhas), conhecidos);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    QStringList itens() const {
        QStringList lista;
        for (int i = 0; i < form.ListBox->count(); ++i) lista << form.itemTexto(i);
        return lista;
    }
    std::string digitacaoDe(int item) const {
        const int entrada = form.interpretacao().AcordesEncontrados[item].acorde.IndiceAcorde;
        return conhecidos.tabela().Fingerings[entrada];
    }
};

int pixelsDaCor(const QImage& imagem, QColor cor) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) n += imagem.pixelColor(x, y) == cor;
    return n;
}

}  // namespace

class TextEditorTest : public QObject {
    Q_OBJECT
  private slots:
    void typingInBothModes_data();
    void typingInBothModes();
    void shiftedKeysOverwriteInPlace();
    void clickPastTheEndPadsTheLine();
    void markerGoesAboveTheCaretLine();
    void fontCommands();
    void longTextIsCutOnShow();
    void confirmHandsOverTheInterpretedText();
    void cancelAsksOnlyAfterChanges_data();
    void cancelAsksOnlyAfterChanges();
    void checkRewritesTheTextAsOneUndoableStep();

    void lineViewSteps();
    void shortenedLineEndsInDots();
    void chordFormsAndTheirColours();
    void allChordsAtOnce();
    void uncataloguedChord();
    void lackOfRoomKeepsTheWindowAndTheText();
    void fingeringsKeptOnCloseAndGivenBackOnCancel();
};

// ---- The editor ------------------------------------------------------------------------------

void TextEditorTest::typingInBothModes_data() {
    QTest::addColumn<std::string>("linha");
    QTest::addColumn<bool>("correcao");
    QTest::addColumn<int>("coluna");
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("esperada");
    QTest::newRow("insertion pushes") << std::string("abcd") << false << 1 << "XY"
                                      << "aXYbcd";
    QTest::newRow("correction overwrites") << std::string("abcd") << true << 1 << "XY"
                                           << "aXYd";
    QTest::newRow("correction runs past the end") << std::string("abcd") << true << 2 << "XYZ"
                                                  << "abXYZ";
    QTest::newRow("correction at the end appends") << std::string("abcd") << true << 4 << "X"
                                                   << "abcdX";
    QTest::newRow("correction over blanks") << std::string("C     D") << true << 2 << "Am7"
                                            << "C Am7 D";
}

void TextEditorTest::typingInBothModes() {
    QFETCH(std::string, linha);
    QFETCH(bool, correcao);
    QFETCH(int, coluna);
    QFETCH(QString, teclas);
    QFETCH(QString, esperada);
    Editor e({linha, "segunda"});
    QCOMPARE(e.dlg.LabelModo->text(), QStringLiteral("Modo de Inserção "));
    if (correcao) QTest::keyClick(e.dlg.Memo, Qt::Key_Insert);
    QCOMPARE(e.dlg.LabelModo->text(),
             correcao ? QStringLiteral("Modo de Correção ") : QStringLiteral("Modo de Inserção "));
    porCursorEm(e.dlg, 0, coluna);
    QTest::keyClicks(e.dlg.Memo, teclas);  // capitals are typed with Shift
    QCOMPARE(linhaDoMemo(e.dlg, 0), esperada);
    QCOMPARE(linhaDoMemo(e.dlg, 1), QStringLiteral("segunda"));
}

void TextEditorTest::shiftedKeysOverwriteInPlace() {
    Editor e({"am  g"});
    QTest::keyClick(e.dlg.Memo, Qt::Key_Insert);
    QTest::keyClick(e.dlg.Memo, 'A', Qt::ShiftModifier);
    porCursorEm(e.dlg, 0, 4);
    QTest::keyClick(e.dlg.Memo, 'G', Qt::ShiftModifier);
    QCOMPARE(linhaDoMemo(e.dlg, 0), QStringLiteral("Am  G"));
}

void TextEditorTest::clickPastTheEndPadsTheLine() {
    Editor e({"0123456789", "x"});
    QTest::mouseClick(e.dlg.Memo->viewport(), Qt::LeftButton, {}, pontoDaColuna(e.dlg, 0, 40));
    QCOMPARE(linhaDoMemo(e.dlg, 0), QStringLiteral("0123456789") + QString(30, ' '));
    QVERIFY(!e.dlg.textoModificado());
    QTest::keyClicks(e.dlg.Memo, "G");
    QCOMPARE(linhaDoMemo(e.dlg, 0), QStringLiteral("0123456789") + QString(30, ' ') + "G");
    QVERIFY(e.dlg.textoModificado());

    // Inside a line the click only moves the caret; the grid stops at column 255.
    QTest::mouseClick(e.dlg.Memo->viewport(), Qt::LeftButton, {}, pontoDaColuna(e.dlg, 1, 0));
    QCOMPARE(linhaDoMemo(e.dlg, 1), QStringLiteral("x"));
    QCOMPARE(e.dlg.Memo->colunaEm(pontoDaColuna(e.dlg, 1, 300).x()), kMaxColunaClique);
}

void TextEditorTest::markerGoesAboveTheCaretLine() {
    Editor e({"Titulo", "Refrao aqui"});
    QTest::keyClick(e.dlg.Memo, Qt::Key_Insert);  // correction mode must not eat the line
    porCursorEm(e.dlg, 1, 4);
    e.dlg.mRefrao->trigger();
    QCOMPARE(e.dlg.Memo->toPlainText(), QStringLiteral("Titulo\n<R>\nRefrao aqui"));
    QCOMPARE(e.dlg.Memo->textCursor().blockNumber(), 2);
    QCOMPARE(e.dlg.mRefrao->text(), QStringLiteral("&Refrão <R>"));
}

void TextEditorTest::fontCommands() {
    Editor e({"C  G"});
    QList<int> salvas;
    e.dlg.aoSalvarFonte = [&](int s) { salvas << s; };
    e.dlg.setFonteEditor(1112);
    QCOMPARE(e.dlg.Memo->font().pointSize(), 12);
    QVERIFY(e.dlg.Memo->font().bold() && e.dlg.Memo->font().italic());
    QVERIFY(e.dlg.Memo->font().fixedPitch());

    // Ctrl+A in the text grows the font instead of selecting the text.
    QTest::keyClick(e.dlg.Memo, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!e.dlg.Memo->textCursor().hasSelection());
    QCOMPARE(e.dlg.fonteEditor(), 1113);
    QTest::keyClick(e.dlg.Memo, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(e.dlg.Memo, Qt::Key_S, Qt::ControlModifier);
    for (int i = 0; i < 20; ++i) e.dlg.mReduzir->trigger();
    QCOMPARE(e.dlg.fonteEditor(), 105);
    e.dlg.mOriginal->trigger();
    e.dlg.mNegrito->trigger();
    e.dlg.mSalvar->trigger();
    QCOMPARE(salvas, (QList<int>{113, 10}));
    QCOMPARE(e.dlg.mAumentar->shortcut(), QKeySequence("Ctrl+A"));
    QCOMPARE(e.dlg.mTudo->shortcut(), QKeySequence("Ctrl+T"));
}

void TextEditorTest::longTextIsCutOnShow() {
    std::vector<std::string> linhas(3005, "la");
    linhas[0] = "C\tG\x01";
    Editor e(linhas);
    QTRY_COMPARE(e.dialogs.avisos.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(e.dialogs.avisos[0]),
             QStringLiteral("Atenção: arquivo muito longo. Conteúdo truncado na linha 3000."));
    QCOMPARE(e.dlg.Memo->document()->blockCount(), 3000);
    QCOMPARE(linhaDoMemo(e.dlg, 0), QStringLiteral("C G "));
    QVERIFY(!e.dlg.textoModificado());
    QCOMPARE(e.dlg.Memo->textCursor().position(), 0);
}

void TextEditorTest::confirmHandsOverTheInterpretedText() {
    Editor e({"Cantiga", "Fulano", "C    G", "Lua clara", "<R>", "Am", "refr\xE3o"});
    QTest::keyClick(e.dlg.Memo, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(e.dlg.result(), int(QDialog::Accepted));
    QVERIFY(!e.dlg.isVisible());
    const EditorText& r = e.dlg.resultado();
    QCOMPARE(r.lines, (std::vector<std::string>{"Cantiga", "Fulano", "C    G", "Lua clara", "Am",
                                                "refr\xE3o"}));
    QCOMPARE(r.chordLines, (std::vector<bool>{false, false, true, false, true, false}));
    QCOMPARE(r.kinds[1], std::uint8_t(kAuthorLine));
    QCOMPARE(r.kinds[5], std::uint8_t(kRefrainLine));
    QCOMPARE(r.chords.Symbols, (std::vector<std::string>{"Cf", "Gf", "Afm"}));
    QVERIFY(r.chords.Fingerings[2] != "0");
}

void TextEditorTest::cancelAsksOnlyAfterChanges_data() {
    QTest::addColumn<bool>("mudar");
    QTest::addColumn<bool>("respostaSim");
    QTest::addColumn<bool>("fecha");
    QTest::newRow("unchanged closes at once") << false << false << true;
    QTest::newRow("changed, Sim stays") << true << true << false;
    QTest::newRow("changed, Não leaves") << true << false << true;
}

void TextEditorTest::cancelAsksOnlyAfterChanges() {
    QFETCH(bool, mudar);
    QFETCH(bool, respostaSim);
    QFETCH(bool, fecha);
    Editor e({"Cantiga"});
    if (mudar) QTest::keyClicks(e.dlg.Memo, "x");
    e.dialogs.respostas.push_back(respostaSim ? Resposta::Sim : Resposta::Nao);
    QTest::keyClick(e.dlg.Memo, Qt::Key_Escape);
    QCOMPARE(e.dialogs.perguntas.size(), std::size_t(mudar ? 1 : 0));
    if (mudar) QCOMPARE(e.dialogs.perguntas[0].first, 7);
    QCOMPARE(e.dlg.isVisible(), !fecha);
}

void TextEditorTest::checkRewritesTheTextAsOneUndoableStep() {
    Editor e({"Cantiga", "C7M   G", "Lua clara que brilha"});
    QTimer::singleShot(0, &e.dlg, [&] {
        TCheckForm& f = e.dlg.checkForm();
        f.destacar(0);
        f.BtnOaD->click();
        f.OKBtn->click();
    });
    e.dlg.BtnCheck->click();
    QCOMPARE(linhaDoMemo(e.dlg, 1), QStringLiteral("Cmaj7 G"));
    QVERIFY(e.dlg.textoModificado());
    QCOMPARE(e.dlg.conhecidos().indice("Cfmaj7") >= 0, true);
    e.dlg.mDesfazer->trigger();
    QCOMPARE(linhaDoMemo(e.dlg, 1), QStringLiteral("C7M   G"));
    // A writing changed there: leaving asks even with the text as it was.
    QTest::keyClick(e.dlg.Memo, Qt::Key_Escape);
    QCOMPARE(e.dialogs.perguntas.size(), std::size_t{1});
}

// ---- The check window ------------------------------------------------------------------------

void TextEditorTest::lineViewSteps() {
    Verificacao v({"Cantiga", "", "  Am   G/B  ", "Lua clara"});
    QCOMPARE(v.form.windowTitle(), QStringLiteral(" Interpretação do texto"));
    QCOMPARE(v.form.OKBtn->text(), QStringLiteral("&Fechar"));
    const struct {
        const char* rotulo;
        const char* texto;
        bool vermelho;
    } esperados[] = {{"Linha 1 (texto):", "Cantiga", false},
                     {"Linha 2 (em branco):", "", false},
                     {"Linha 3 (acordes):", "Am  G/B", true},
                     {"Linha 4 (texto):", "Lua clara", false},
                     {"Linha 4 (texto):", "Lua clara", false}};
    for (const auto& linha : esperados) {
        QCOMPARE(v.form.LabelnL->text(), QString::fromUtf8(linha.rotulo));
        QCOMPARE(v.form.LabelL->text(), QString::fromUtf8(linha.texto));
        QCOMPARE(v.form.LabelL->palette().color(QPalette::WindowText).red() > 150 &&
                     v.form.LabelL->palette().color(QPalette::WindowText).green() < 50,
                 linha.vermelho);
        QTest::keyClick(v.form.ListBox, Qt::Key_Plus);
    }
    QTest::keyClick(v.form.ListBox, Qt::Key_Minus);
    QCOMPARE(v.form.linhaAtual(), 3);
    v.form.SpeedButtonMenos->click();
    v.form.SpeedButtonMenos->click();
    v.form.SpeedButtonMenos->click();
    QCOMPARE(v.form.linhaAtual(), 1);
    QVERIFY(!v.form.SpeedButtonMenos->isEnabled());
}

void TextEditorTest::shortenedLineEndsInDots() {
    const QFontMetrics m(QFont(QStringLiteral("Liberation Mono"), 10));
    const int largura = m.horizontalAdvance(QStringLiteral("Lua clara   ..."));
    QCOMPARE(encurtarNoFim(QStringLiteral("Lua clara   que brilha"), m, largura),
             QStringLiteral("Lua clara..."));
    QCOMPARE(encurtarNoFim(QStringLiteral("Lua"), m, largura), QStringLiteral("Lua"));
}

void TextEditorTest::chordFormsAndTheirColours() {
    Verificacao v({"C7M   G4", "Lua clara que brilha"});
    QCOMPARE(v.itens(), (QStringList{"C7M", "G4"}));
    QCOMPARE(v.form.ListBox->currentRow(), 0);
    QCOMPARE(v.form.LabelNA->text(), QStringLiteral("Maior com 7ª maior"));
    struct Cores {
        QColor original, padrao, opcional;
    };
    auto cores = [&] {
        return Cores{v.form.corDaForma(FormaCifra::Original), v.form.corDaForma(FormaCifra::Padrao),
                     v.form.corDaForma(FormaCifra::Opcional)};
    };
    const QColor preto = Qt::black, cinza{128, 128, 128};
    QCOMPARE(cores().original, preto);  // C7M is the standard writing
    QCOMPARE(cores().padrao, preto);
    QCOMPARE(cores().opcional, cinza);
    QVERIFY(!v.form.BtnPaD->isEnabled() && v.form.BtnOaD->isEnabled() &&
            !v.form.BtnLaD->isEnabled());
    QVERIFY(!v.form.CancelBtn->isEnabled());

    v.form.BtnOaD->click();
    QCOMPARE(v.itens(), (QStringList{"Cmaj7", "G4"}));
    QCOMPARE(cores().original, cinza);
    QCOMPARE(cores().opcional, preto);
    QCOMPARE(v.form.OKBtn->text(), QStringLiteral("&Confirmar"));
    QVERIFY(v.form.CancelBtn->isEnabled());

    // The drawn name takes the colour of its form.
    const QImage opcional = v.form.PaintBoxCO->grab().toImage();
    QVERIFY(pixelsDaCor(opcional, Qt::black) > 20);

    v.form.destacar(1);
    QCOMPARE(v.form.LabelNA->text(), QStringLiteral("Suspenso com 4ª"));
    v.form.BtnPaD->click();
    QCOMPARE(v.itens(), (QStringList{"Cmaj7", "Gsus4"}));
    v.form.OKBtn->click();
    QCOMPARE(v.form.result(), int(QDialog::Accepted));
    QVERIFY(v.form.textoReescrito());
    QCOMPARE(v.form.linhas()[0], std::string("Cmaj7 Gsus4"));
    QVERIFY(v.dialogs.avisos.empty());
}

void TextEditorTest::allChordsAtOnce() {
    Verificacao v({"Cmaj7 G/B   D7M*b   Am", "Lua clara que brilha no mar azul"});
    QCOMPARE(v.itens(), (QStringList{"Am", "Cmaj7", "D7M*b", "G/B"}));
    v.form.BtnOtA->click();  // Am has no optional writing: its standard one stays
    QCOMPARE(v.itens(), (QStringList{"Am", "Cmaj7", "Dmaj7*b", "G/B"}));
    QVERIFY(!v.form.BtnOtA->isEnabled());
    v.form.BtnPtA->click();
    QCOMPARE(v.itens(), (QStringList{"Am", "C7M", "D7M*b", "G/B"}));
    v.form.BtnLtA->click();
    QCOMPARE(v.itens(), (QStringList{"Am", "Cmaj7", "D7M*b", "G/B"}));
    v.form.BtnPtA->click();
    v.form.OKBtn->click();
    QCOMPARE(v.form.linhas()[0], std::string("C7M   G/B   D7M*b   Am"));
}

void TextEditorTest::uncataloguedChord() {
    Verificacao v({"C2b5 Am"});
    QCOMPARE(v.itens(), (QStringList{"Am", "C2b5"}));
    QCOMPARE(v.form.corDaForma(FormaCifra::Padrao), QColor(Qt::black));  // Am: "m" both ways
    v.form.destacar(1);
    QCOMPARE(v.form.LabelNA->text(), QStringLiteral("Acorde não catalogado."));
    QVERIFY(v.form.LabelNA->palette().color(QPalette::WindowText) != QColor(Qt::black));
    QVERIFY(!v.form.BtnPaD->isEnabled() && !v.form.BtnOaD->isEnabled());
    QCOMPARE(v.form.corDaForma(FormaCifra::Padrao), QColor(Qt::white));
    QCOMPARE(v.form.corDaForma(FormaCifra::Original), QColor(Qt::black));
    // No fingering: a red question mark instead of a diagram.
    QCOMPARE(v.digitacaoDe(1), std::string("0"));
    QVERIFY(pixelsDaCor(v.form.PaintBoxDA->grab().toImage(), QColor(200, 0, 0)) > 20);
    v.form.destacar(0);
    QCOMPARE(pixelsDaCor(v.form.PaintBoxDA->grab().toImage(), QColor(200, 0, 0)), 0);
    QVERIFY(pixelsDaCor(v.form.PaintBoxDA->grab().toImage(), Qt::black) > 50);
}

void TextEditorTest::lackOfRoomKeepsTheWindowAndTheText() {
    const std::vector<std::string> linhas = {"C7M G", "Lua clara que brilha"};
    Verificacao v(linhas);
    v.form.BtnOaD->click();
    v.form.OKBtn->click();
    QCOMPARE(v.dialogs.avisos, std::vector<std::string>{(kSemEspaco + "Cmaj7").toStdString()});
    QVERIFY(v.form.isVisible());
    v.form.CancelBtn->click();
    QCOMPARE(v.form.result(), int(QDialog::Rejected));
    QVERIFY(!v.form.textoReescrito());
    QCOMPARE(v.form.linhas(), linhas);
}

void TextEditorTest::fingeringsKeptOnCloseAndGivenBackOnCancel() {
    for (const bool cancelar : {true, false}) {
        Verificacao v({"C  G", "Lua clara"});
        QList<PedidoDigitacao> pedidos;
        v.form.aoDestacarAcorde = [&](const PedidoDigitacao& p) { pedidos << p; };
        const std::string antes = v.digitacaoDe(1);
        v.form.destacar(1);
        QCOMPARE(pedidos.size(), 1);
        QCOMPARE(pedidos[0].raiz, std::string("G"));
        QCOMPARE(pedidos[0].digitacao, antes);
        v.form.usarDigitacao(v.digitacaoDe(0));  // another fingering picked in the browser
        QVERIFY(v.form.CancelBtn->isEnabled());
        (cancelar ? v.form.CancelBtn : v.form.OKBtn)->click();
        QCOMPARE(v.digitacaoDe(1), cancelar ? antes : v.digitacaoDe(0));
        QCOMPARE(v.form.houveMudanca(), !cancelar);
    }
}

QTEST_MAIN(TextEditorTest)
#include "text_editor_test.moc"
