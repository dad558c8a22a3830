// The song window as a musician meets it: the shipped and golden songs on their pages in one
// to three columns and the three presentations, painted exactly as the sheet renderer paints
// them; scrolling with the page label; the truncation warning; closing with changes.

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "catalogue/frets_notation.h"
#include "ui/common/chord_sound.h"
#include <memory>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "base/text_codec.h"
#include "catalogue/type_file.h"
#include "document/chord_type_reading.h"
#include "document/song_file.h"
#include "drawing/sheet_rows.h"
#include "support/recording_dialogs.h"
#include "ui/document_window/chord_panels.h"
#include "ui/document_window/image_form.h"
#include "ui/print/print_form.h"
#include "ui/document_window/sheet_editor.h"
#include "ui/document_window/scroll_steps.h"
#include "ui/document_window/sheet_grid.h"

using namespace trovale;
using trovale::testing::RecordingDialogs;

namespace {

const QString kFonte = QStringLiteral(TROVALE_SOURCE_DIR);

struct Ambiente {
    CatalogoTipos tipos;
    Aparencia aparencia;
    Modelo modelo = modeloDeFabrica();
    PageLayout layout = layoutDeFabrica();
    RecordingDialogs dialogs;
    int pedidosSalvarComo = 0;
    QTemporaryDir pasta;
    // What the chord selection window would answer, and what it was asked.
    std::optional<AcordeEscolhido> escolha;
    std::vector<PedidoAcorde> pedidos;
    // What the magnifier handed to the fingering editor.
    std::vector<std::string> analisadas;
    // What the window asked of the sound.
    struct : SomDeAcordes {
        QStringList pedidos;
        void tocar(const TDigitacao& d, int capo) override {
            pedidos << QString::fromStdString("tocar " + escreverTrastes(trastesDe(d)) +
                                              (capo ? " capo " + std::to_string(capo) : ""));
        }
        void tocarTipo(const TTipoAcorde& t, int raiz) override {
            pedidos << QString::fromLatin1("tipo " + t.Nome) + QString(" %1").arg(raiz);
        }
        void soltar() override { pedidos << "soltar"; }
        void parar() override {}
    } som;

    Ambiente() {
        const auto bytes = lerArquivoRegular((kFonte + "/data/ACORDES.TIP").toStdString(),
                                             kLimiteCatalogo);
        if (!bytes) qFatal("no ACORDES.TIP");
        lerTipos(*bytes, tipos);
    }

    std::unique_ptr<TImageForm> janela() {
        ServicosDocumento servicos{tipos, aparencia, modelo, layout, dialogs,
                                   [](int orientacao) { return metricasSemImpressora(orientacao == 1); },
                                   [this](TImageForm&) {
                                       ++pedidosSalvarComo;
                                       return false;
                                   },
                                   {},
                                   [this](const PedidoAcorde& pedido) {
                                       pedidos.push_back(pedido);
                                       return escolha;
                                   }};
        servicos.analisarDigitacao = [this](const std::string& d) { analisadas.push_back(d); };
        servicos.som = &som;
        auto form = std::make_unique<TImageForm>(std::move(servicos));
        form->resize(1000, 700);
        form->show();
        return form;
    }

    std::unique_ptr<TImageForm> abrir(const QString& caminho) {
        auto form = janela();
        if (!form->carregar(caminho)) qFatal("could not open %s", qPrintable(caminho));
        return form;
    }

    QString gravar(const QString& nome, const SongDocument& doc) {
        const QString caminho = pasta.filePath(nome);
        QFile arquivo(caminho);
        if (!arquivo.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(caminho));
        const std::string bytes = songFileText(doc);
        arquivo.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return caminho;
    }
};

// A song of `linhas` lyric lines under a title, each with a chord over it.
SongDocument cancaoLonga(int linhas, const std::string& titulo = "Cantiga longa") {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Chords.append("Cf", "1", "0");
    doc.Lines.push_back(titulo);
    doc.LineKinds.push_back(kTitleLine);
    for (int i = 0; i < linhas; ++i) {
        doc.Lines.push_back(encodeChordLine({{1, 0}}));
        doc.LineKinds.push_back(kChordLine);
        doc.Lines.push_back("verso " + std::to_string(i + 1));
        doc.LineKinds.push_back(kLyricLine);
    }
    return doc;
}

QStringList cancoesDeReferencia() {
    QStringList caminhos;
    for (const QString& pasta : {kFonte + "/data/songs", kFonte + "/tests/document/golden"})
        for (const QFileInfo& info : QDir(pasta).entryInfoList({"*.dec"}, QDir::Files))
            caminhos << info.absoluteFilePath();
    return caminhos;
}

QImage imagemGrade(SheetGrid* grade) {
    return grade->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void scrollArithmetic();
    void songsOnTheirPages_data();
    void songsOnTheirPages();
    void scrollingMovesThePageLabel();
    void truncationWarningComesOnce_data();
    void truncationWarningComesOnce();
    void closingAsksAboutChanges_data();
    void closingAsksAboutChanges();
    void savingKeepsTheSongAsItWas();
    void chordsDroppedOnTheSheet();
    void trashAndCopyPanel();
    void lyricsOnlyTakesNoChord();
    void aTranspositionRenamesAsOneStep();
    void theRightButtonSoundsChords();
    void aCapoSoundsAndNamesTheChordsAsTheySound();
    void aWrappedLineIsEditedAsOne();
    void aChordGoesFromOneSongToAnother();
    void typingAndUndo();
    void theKeyboardReachesAndTypesIntoRows();
    void doubleClickChangesAChord();
    void pdfHoldsTheSongsPages();
    void thePdfCutsRowsAsTheWindowDoes_data();
    void thePdfCutsRowsAsTheWindowDoes();
    void aDraggedChordTurnsGrey();
    void printingOnAPdfPrinter();
};

void DocumentWindowTest::scrollArithmetic() {
    struct Caso {
        int conteudo, vista;
        int excesso, pequeno, grande, linha, pagina;
    };
    const Caso casos[] = {
        {1000, 200, 800, 501, 2505, 40, 200},
        {60000, 700, 59300, 24, 120, 142, 710},
        {500, 200, 300, 1334, 6670, 40, 200},
        {500, 400, 100, 2001, 10005, 20, 100},  // a view taller than the excess: s is capped
        {300, 700, 0, 0, 0, 0, 0},
    };
    for (const Caso& c : casos) {
        const PassosRolagem p = passosRolagem(c.conteudo, c.vista);
        QCOMPARE(p.excesso, c.excesso);
        QCOMPARE(p.pequeno, c.pequeno);
        QCOMPARE(p.grande, c.grande);
        QCOMPARE(p.linhaPx, c.linha);
        QCOMPARE(p.paginaPx, c.pagina);
        QCOMPARE(p.habilitada(), c.excesso > 0);
    }
    QCOMPARE(posicaoDaBarra(400, 800), 5000);
    QCOMPARE(posicaoDaBarra(1, 3), 3333);
    QCOMPARE(deslocamentoDaPosicao(5000, 800), 400);
    QCOMPARE(deslocamentoDaPosicao(10000, 59300), 59300);
}

void DocumentWindowTest::songsOnTheirPages_data() {
    QTest::addColumn<QString>("cancao");
    QTest::addColumn<int>("colunas");
    QTest::addColumn<int>("apresentacao");
    for (const QString& caminho : cancoesDeReferencia())
        for (int colunas = 1; colunas <= 3; ++colunas)
            for (int apresentacao = 0; apresentacao <= 2; ++apresentacao)
                QTest::addRow("%s, %d col, presentation %d", qPrintable(QFileInfo(caminho).fileName()),
                              colunas, apresentacao)
                    << caminho << colunas << apresentacao;
}

// What the window shows is what the sheet renderer draws, row for row, in every column.
void DocumentWindowTest::songsOnTheirPages() {
    QFETCH(QString, cancao);
    QFETCH(int, colunas);
    QFETCH(int, apresentacao);
    Ambiente a;
    SongDocument doc;
    QVERIFY(LoadSong(doc, cancao.toStdString(), a.modelo, a.dialogs));
    doc.Layout.numColunas = colunas;
    doc.Layout.coluna1 = doc.Layout.coluna2 = doc.Layout.coluna3 = 170 / colunas;
    doc.Layout.espacoColunas = colunas > 1 ? 5 : 0;
    doc.Layout.margemSuperior = doc.Layout.margemInferior = 10;
    doc.Template.Presentation = apresentacao;
    for (auto& kind : doc.LineKinds)
        if (isChordKind(kind)) kind = apresentacao == 2 ? kDiagramChordLine : kChordLine;
    auto janela = a.abrir(a.gravar(QStringLiteral("variante.dec"), doc));
    QCOMPARE(a.dialogs.avisos, std::vector<std::string>{});

    const Sheet& folha = janela->folha();
    const SheetMeasure medida(janela->documento().Template, a.tipos, janela->logicalDpiY());
    const QImage esperada = renderSheet({janela->documento(), folha, medida, a.aparencia});
    for (int c = 0; c < kMaxColunas; ++c) {
        SheetGrid* grade = janela->grade(c);
        QCOMPARE(grade->isVisible(), folha.ColumnVisible[c]);
        if (!folha.ColumnVisible[c]) continue;
        QCOMPARE(grade->height(), columnDrawingHeight(folha, c));
        const QImage vista = imagemGrade(grade);
        const QImage parte = esperada.copy(folha.ColumnLeft[c], 0, grade->width(), grade->height())
                                 .convertToFormat(QImage::Format_RGB32);
        QVERIFY2(vista == parte, qPrintable(QStringLiteral("column %1 differs").arg(c + 1)));
    }
    QCOMPARE(janela->Label1->text(), QStringLiteral(" Página 1 de %1").arg(folha.PageCount));
}

void DocumentWindowTest::scrollingMovesThePageLabel() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("longa.dec"), cancaoLonga(300)));
    const Sheet& folha = janela->folha();
    QVERIFY(folha.PageCount > 3);
    QVERIFY(janela->VertBar->isEnabled());
    QVERIFY(!janela->HorzBar->isEnabled());

    // The keys move the sheet by line steps; the grids follow the offset.
    QWidget* vista = janela->grade(0)->parentWidget();
    QTest::keyClick(vista, Qt::Key_PageDown);
    const int passo = janela->VertBar->singleStep();
    const int excesso = passosRolagem(janela->grade(0)->height(), vista->height()).excesso;
    const int linha = passosRolagem(janela->grade(0)->height(), vista->height()).linhaPx;
    QCOMPARE(janela->deslocamento(), 5 * linha);
    QCOMPARE(janela->grade(0)->y(), -5 * linha);
    QCOMPARE(janela->VertBar->value(), posicaoDaBarra(5 * linha, excesso));
    QVERIFY(passo > 1);

    // At the end the sheet's last row touches the bottom of the view.
    QTest::keyClick(vista, Qt::Key_End);
    QCOMPARE(janela->deslocamento(), excesso);
    QCOMPARE(janela->grade(0)->geometry().bottom(), vista->height() - 1);
    QCOMPARE(janela->VertBar->value(), kFimBarra);
    // Moving the bar by hand moves the sheet and the label with it.
    janela->VertBar->setValue(0);
    QCOMPARE(janela->deslocamento(), 0);
    QCOMPARE(janela->Label1->text(), QStringLiteral(" Página 1 de %1").arg(folha.PageCount));
    const int meio = folha.PageHeight[1] + folha.PageHeight[2] / 2;
    janela->VertBar->setValue(posicaoDaBarra(meio, excesso));
    QCOMPARE(janela->Label1->text(), QStringLiteral(" Página 2 de %1").arg(folha.PageCount));

    // Hiding the bars and the tool panel leaves the sheet where it was.
    janela->mostrarBarras(false);
    janela->mostrarPainel(false);
    QVERIFY(!janela->VertBar->isVisible());
    QVERIFY(!janela->PanelT->isVisible());
}

void DocumentWindowTest::truncationWarningComesOnce_data() {
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<bool>("avisa");
    QTest::newRow("lines that fit") << QStringLiteral("Cantiga") << false;
    QTest::newRow("an over-long title") << QString(150, QLatin1Char('M')) << true;
}

void DocumentWindowTest::truncationWarningComesOnce() {
    QFETCH(QString, titulo);
    QFETCH(bool, avisa);
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("c.dec"), cancaoLonga(3, titulo.toStdString())));
    QTest::qWait(100);
    const std::vector<std::string> esperado =
        avisa ? std::vector<std::string>{TImageForm::kAvisoTruncado.toStdString()}
              : std::vector<std::string>{};
    QCOMPARE(a.dialogs.avisos, esperado);
    janela->hide();
    janela->show();
    QTest::qWait(50);
    QCOMPARE(a.dialogs.avisos, esperado);
}

void DocumentWindowTest::closingAsksAboutChanges_data() {
    QTest::addColumn<bool>("nova");
    QTest::addColumn<bool>("modificada");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<bool>("fecha");
    QTest::addColumn<bool>("gravada");
    QTest::addColumn<int>("salvarComo");
    const int sim = int(Resposta::Sim), nao = int(Resposta::Nao), cancelar = int(Resposta::Cancelar);
    QTest::newRow("clean song closes") << false << false << sim << true << false << 0;
    QTest::newRow("Sim saves it") << false << true << sim << true << true << 0;
    QTest::newRow("Não drops the changes") << false << true << nao << true << false << 0;
    QTest::newRow("Cancelar keeps it") << false << true << cancelar << false << false << 0;
    QTest::newRow("new song: Sim asks for a name") << true << true << sim << false << false << 1;
    QTest::newRow("new song: Não closes") << true << true << nao << true << false << 0;
}

void DocumentWindowTest::closingAsksAboutChanges() {
    QFETCH(bool, nova);
    QFETCH(bool, modificada);
    QFETCH(int, resposta);
    QFETCH(bool, fecha);
    QFETCH(bool, gravada);
    QFETCH(int, salvarComo);
    Ambiente a;
    const QString caminho = a.gravar(QStringLiteral("Cantiga.dec"), cancaoLonga(2, "Cantiga"));
    auto janela = nova ? a.janela() : a.abrir(caminho);
    if (nova) janela->iniciarNovo();
    QFile::remove(caminho);
    if (modificada) janela->marcarModificado();
    a.dialogs.respostas.push_back(static_cast<Resposta>(resposta));

    QCOMPARE(janela->close(), fecha);
    QCOMPARE(a.dialogs.fechamentos.size(), size_t(modificada ? 1 : 0));
    if (modificada) {
        const std::string caption = nova ? "Sem título" : caminho.toStdString();
        const std::string titulo = nova ? "Sem título" : "Cantiga";
        QCOMPARE(a.dialogs.fechamentos[0], std::make_pair(titulo, caption));
    }
    QCOMPARE(QFile::exists(caminho), gravada);
    QCOMPARE(a.pedidosSalvarComo, salvarComo);
}

// An unchanged song saved under another name is the same file, byte for byte.
void DocumentWindowTest::savingKeepsTheSongAsItWas() {
    Ambiente a;
    for (const QString& origem : cancoesDeReferencia()) {
        auto janela = a.abrir(origem);
        const QString destino = a.pasta.filePath(QStringLiteral("copia.dec"));
        QVERIFY(janela->salvarEm(destino));
        QCOMPARE(janela->nomeArquivo(), destino);
        QFile f1(origem), f2(destino);
        QVERIFY(f1.open(QIODevice::ReadOnly) && f2.open(QIODevice::ReadOnly));
        SongDocument original;
        QVERIFY(LoadSong(original, origem.toStdString(), a.modelo, a.dialogs));
        // A song written with another catalogue's type numbers keeps its chords by their
        // symbols, under this catalogue's numbers.
        lerTiposPelasCifras(original.Chords, a.tipos);
        QCOMPARE(f2.readAll(), QByteArray::fromStdString(songFileText(original)));
        QVERIFY(!janela->documento().Modified);
    }
}

namespace {

// A song of a title and three lyrics, the first under a chord line with C and G7.
SongDocument cancaoParaEditar() {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Chords.append("Cf", "1", "763 5118 3001");
    doc.Chords.append("Gf7", "7", "0");
    doc.Lines = {"Cantiga", encodeChordLine({{1, 0}, {9, 1}}), "Ciranda cirandinha",
                 "vamos todos cirandar", "vamos dar a meia volta"};
    doc.LineKinds = {kTitleLine, kChordLine, kLyricLine, kLyricLine, kLyricLine};
    doc.Template.Presentation = 1;
    doc.Template.DiagramListOrder = 1;
    return doc;
}

// Where a row of the song stands on the sheet.
std::pair<int, int> linhaNaFolha(const TImageForm& janela, int linhaCancao) {
    for (int c = 0; c < kMaxColunas; ++c)
        for (int r = 0; r < int(janela.folha().Columns[c].size()); ++r)
            if (janela.folha().Columns[c][r].Line == linhaCancao) return {c, r};
    return {-1, -1};
}

// A drag carrying `acorde` released at x of the row showing song line `linha`; true when the
// window took it.
bool soltar(TImageForm& janela, QWidget* alvo, const AcordeArrastado& acorde, QPoint ponto) {
    const std::unique_ptr<QMimeData> mime = mimeDoAcorde(acorde);
    QDragEnterEvent entrada(ponto, Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(alvo, &entrada);
    if (!entrada.isAccepted()) return false;
    QDropEvent soltura(QPointF(ponto), Qt::CopyAction | Qt::MoveAction, mime.get(),
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &soltura);
    Q_UNUSED(janela);
    return soltura.isAccepted();
}

QPoint pontoNaLinha(TImageForm& janela, int linhaCancao, int x) {
    const auto [c, r] = linhaNaFolha(janela, linhaCancao);
    return QPoint(x, janela.grade(c)->retanguloLinha(r).center().y());
}

// Characters typed as a keyboard sends them, accents included.
void digitar(QWidget* alvo, const QString& texto) {
    for (const QChar ch : texto)
        QTest::sendKeyEvent(QTest::Click, alvo, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

AcordeArrastado doPainel(const std::string& simbolo, const std::string& digitacao) {
    return {{-1, 0, simbolo, digitacao, "1"}, 0};
}

}  // namespace

void DocumentWindowTest::chordsDroppedOnTheSheet() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("e.dec"), cancaoParaEditar()));
    const SheetMeasure medida(janela->documento().Template, a.tipos, janela->logicalDpiY());
    SheetGrid* grade = janela->grade(0);
    // Over the fifth character of a lyric without a chord line: a chord line is inserted with
    // the chord's low digit at body position 30.
    const int quinto = 2 + medida.textWidth(kLyricLine, "vamo") + 1;
    QVERIFY(soltar(*janela, grade, doPainel("Af", "763 5118 3001"),
                   pontoNaLinha(*janela, 3, quinto)));
    const SongDocument& doc = janela->documento();
    QCOMPARE(doc.lineCount(), 6);
    QCOMPARE(doc.LineKinds[3], kChordLine);
    QCOMPARE(doc.Lines[3], std::string(25, '3') + "    5");
    QVERIFY(doc.Modified);
    QCOMPARE(janela->folha().Columns[0].back().Kind, kLyricLine);
    // The new chord joins the diagram list.
    bool naLista = false;
    for (const SheetRow& r : janela->folha().Columns[0])
        if (r.Line < 0 && r.Kind == kDiagramChordLine && r.Text.find('5') != std::string::npos)
            naLista = true;
    QVERIFY(naLista);

    // On a column that holds a chord: refused, nothing changes.
    const std::vector<std::string> antes = doc.Lines;
    const int sobreG7 = 2 + medida.textWidth(kLyricLine, "Ciranda ") + 1;
    QVERIFY(!soltar(*janela, grade, doPainel("Df", "0"), pontoNaLinha(*janela, 2, sobreG7)));
    QCOMPARE(doc.Lines, antes);
}

void DocumentWindowTest::trashAndCopyPanel() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("t.dec"), cancaoParaEditar()));
    SheetEditor& editor = janela->editor();
    const auto [c, r] = linhaNaFolha(*janela, 1);
    const ChordExtent g7 = janela->folha().Columns[c][r].ChordExtents[1];
    const auto acorde = editor.acordeEm(c, r, g7.x + 1);
    QVERIFY(acorde);
    QCOMPARE(acorde->acorde.symbol, std::string("Gf7"));

    // To the copy panel first: it shows the chord, grey for want of a fingering.
    QVERIFY(soltar(*janela, janela->PanelCopia, *acorde, QPoint(5, 5)));
    QCOMPARE(janela->PanelCopia->simbolo(), QStringLiteral("G7"));
    QVERIFY(!janela->documento().Modified);
    // Its last use to the trash: the entry is freed.
    QVERIFY(soltar(*janela, janela->PanelLixo, *acorde, QPoint(5, 5)));
    QCOMPARE(janela->documento().Chords.Symbols[1], std::string(" "));
    QVERIFY(janela->documento().Modified);
    // Back from the copy panel: the freed entry is used again.
    const AcordeArrastado daCopia{*janela->PanelCopia->acorde(), editor.identidade()};
    const SheetMeasure medida(janela->documento().Template, a.tipos, janela->logicalDpiY());
    const int terceiro = 2 + medida.textWidth(kLyricLine, "Ci") + 1;
    QVERIFY(soltar(*janela, janela->grade(0), daCopia, pontoNaLinha(*janela, 2, terceiro)));
    QCOMPARE(janela->documento().Chords.size(), 2);
    QCOMPARE(janela->documento().Chords.Symbols[1], std::string("Gf7"));
    // The magnifier has nothing to analyse in a chord without a fingering.
    QVERIFY(soltar(*janela, janela->PanelLupa, daCopia, QPoint(5, 5)));
    QCOMPARE(a.dialogs.avisos.back(), SheetEditor::kSemDigitacao);
    QVERIFY(a.analisadas.empty());
    // A chord with a fingering goes to the fingering editor; a click opens it empty.
    QVERIFY(soltar(*janela, janela->PanelLupa, doPainel("Af", "763 5118 3001"), QPoint(5, 5)));
    QTest::mouseClick(janela->PanelLupa, Qt::LeftButton);
    QCOMPARE(a.analisadas, (std::vector<std::string>{"763 5118 3001", ""}));
}

// C to G and G7 to D7: each entry renamed once, as one undo step.
void DocumentWindowTest::aTranspositionRenamesAsOneStep() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("t.dec"), cancaoParaEditar()));
    std::vector<LinhaTransposicao> linhas = janela->acordesParaTransposicao();
    QCOMPARE(linhas.size(), std::size_t(2));
    linhas[0].novoSimbolo = "G";
    linhas[0].novaDigitacao = "0";
    linhas[1].novoSimbolo = "D7";
    janela->aplicarTransposicao(linhas);
    const ChordTable& t = janela->documento().Chords;
    QCOMPARE(t.Symbols, (std::vector<std::string>{"Gf", "Df7"}));
    QCOMPARE(t.Fingerings[0], std::string("0"));
    QCOMPARE(t.TypeCodes[1], std::string("7"));
    QVERIFY(janela->documento().Modified);
    QVERIFY(janela->editor().desfazer());
    QCOMPARE(janela->documento().Chords.Symbols, (std::vector<std::string>{"Cf", "Gf7"}));
}

// A chord with a fingering sounds it; one without sounds its type on its root; moving with
// the button held sounds each chord passed over, on a chord line of the song as on the
// diagram list at its end (which holds only C: G7 has no fingering).
void DocumentWindowTest::theRightButtonSoundsChords() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("s.dec"), cancaoParaEditar()));
    const auto [c, r] = linhaNaFolha(*janela, 1);
    int lista = -1;
    const auto& linhas = janela->folha().Columns[c];
    for (int i = 0; i < int(linhas.size()) && lista < 0; ++i)
        if (linhas[i].Kind == kDiagramChordLine && linhas[i].Line < 0) lista = i;
    QVERIFY(lista >= 0);
    const QString doC = QString::fromStdString(
        "tocar " + escreverTrastes(trastesDe(Decodificar(*digitacaoDoTexto("763 5118 3001")))));
    const struct {
        int linha;
        QStringList ouvidos;
    } casos[] = {{r, {doC, QString::fromUtf8("tipo Maior com 7ª 11"), "soltar"}},
                 {lista, {doC, "soltar"}}};
    SheetGrid* grade = janela->grade(c);
    for (const auto& caso : casos) {
        a.som.pedidos.clear();
        const auto& extensoes = janela->folha().Columns[c][caso.linha].ChordExtents;
        const int y = grade->retanguloLinha(caso.linha).center().y();
        const QPoint primeiro(extensoes.front().x + 1, y), ultimo(extensoes.back().x + 1, y);
        QTest::mousePress(grade, Qt::RightButton, {}, primeiro);
        QMouseEvent movido(QEvent::MouseMove, QPointF(ultimo), grade->mapToGlobal(QPointF(ultimo)),
                           Qt::NoButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(grade, &movido);
        QTest::mouseRelease(grade, Qt::RightButton, {}, ultimo);
        QCOMPARE(a.som.pedidos, caso.ouvidos);
    }
}

// The capo goes on as one undo step; the right button sounds each shape two semitones up; the
// sounding names are the window's alone, the song keeps its shapes.
void DocumentWindowTest::aCapoSoundsAndNamesTheChordsAsTheySound() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("capo.dec"), cancaoParaEditar()));
    const SongDocument antes = janela->documento();
    janela->definirCapotraste(2);
    QCOMPARE(janela->capotraste(), 2);
    QCOMPARE(janela->documento().Lines[1], std::string("Capotraste na 2\xAA casa"));
    QVERIFY(janela->documento().Modified);
    const std::vector<std::string> comCapo = janela->documento().Lines;

    const auto [c, r] = linhaNaFolha(*janela, 2);
    const auto& extensoes = janela->folha().Columns[c][r].ChordExtents;
    SheetGrid* grade = janela->grade(c);
    const int y = grade->retanguloLinha(r).center().y();
    a.som.pedidos.clear();
    for (const ChordExtent& e : extensoes) {
        QTest::mousePress(grade, Qt::RightButton, {}, QPoint(e.x + 1, y));
        QTest::mouseRelease(grade, Qt::RightButton, {}, QPoint(e.x + 1, y));
    }
    const QString doC = QString::fromStdString(
        "tocar " + escreverTrastes(trastesDe(Decodificar(*digitacaoDoTexto("763 5118 3001")))));
    QCOMPARE(a.som.pedidos, (QStringList{doC + " capo 2", "soltar",
                                         QString::fromUtf8("tipo Maior com 7ª 1"), "soltar"}));

    const auto nomesPintados = [&janela] {
        std::vector<std::string> nomes;
        for (const std::string& s : janela->pintura()->doc.Chords.Symbols)
            nomes.push_back(displaySymbol(s));
        return nomes;
    };
    janela->mostrarNomesSoantes(true);
    QCOMPARE(nomesPintados(), (std::vector<std::string>{"D", "A7"}));
    QVERIFY(janela->textoPagina().endsWith(QStringLiteral("\n Acordes como soam")));
    // Saving from the sounding view writes the song as it is: its lines and its shapes.
    QVERIFY(janela->salvar());
    {
        QFile arquivo(janela->nomeArquivo());
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const auto salva = parseSongFile(arquivo.readAll().toStdString(), modeloDeFabrica());
        QVERIFY(salva);
        QCOMPARE(salva->doc.Lines, comCapo);
        QCOMPARE(salva->doc.Chords.Symbols, antes.Chords.Symbols);
    }
    QCOMPARE(janela->documento().Chords.Symbols, antes.Chords.Symbols);
    janela->mostrarNomesSoantes(false);
    QCOMPARE(nomesPintados(), (std::vector<std::string>{"C", "G7"}));

    QVERIFY(!janela->textoPagina().contains(QStringLiteral("soam")));
    QVERIFY(janela->editor().desfazer());
    QCOMPARE(janela->capotraste(), 0);
    QCOMPARE(janela->documento().Lines, antes.Lines);
    QVERIFY2(janela->documento().Modified, "it was saved with the capo");
}

// A wrapped line is still one song line: a click at the end of its second row types there, a
// chord dropped on that row's first letter stands over it, and the file keeps the line whole.
void DocumentWindowTest::aWrappedLineIsEditedAsOne() {
    Ambiente a;
    SongDocument doc = cancaoParaEditar();
    doc.Template.QuebrarLinhas = true;
    doc.Layout.coluna1 = 30;
    doc.Lines[2] = "Ciranda cirandinha vamos todos cirandar vamos dar a meia volta";
    auto janela = a.abrir(a.gravar(QStringLiteral("q.dec"), doc));
    const auto segundaLinha = [&janela]() -> std::pair<int, int> {
        for (int c = 0; c < kMaxColunas; ++c)
            for (int r = 0; r < int(janela->folha().Columns[c].size()); ++r) {
                const SheetRow& row = janela->folha().Columns[c][r];
                if (row.Line == 2 && row.Piece == 1) return {c, r};
            }
        return {-1, -1};
    };
    auto [c, r] = segundaLinha();
    QVERIFY(r > 0);
    SheetRow segunda = janela->folha().Columns[c][r];
    QVERIFY(segunda.Indent > 0);
    SheetGrid* grade = janela->grade(c);
    const int y = grade->retanguloLinha(r).center().y();

    janela->activateWindow();
    QTest::mouseClick(grade, Qt::LeftButton, {}, QPoint(900, y));
    QCOMPARE(janela->editor().cursor(), int(segunda.Start + segunda.Text.size()));
    digitar(grade, QStringLiteral("!"));
    std::string esperada = doc.Lines[2];
    esperada.insert(segunda.Start + segunda.Text.size(), "!");
    QCOMPARE(janela->documento().Lines[2], esperada);
    janela->editor().encerrarEdicao();

    // Over the third letter of the second row (its first holds G7).
    std::tie(c, r) = segundaLinha();
    segunda = janela->folha().Columns[c][r];
    const SheetMeasure medida(janela->documento().Template, a.tipos, janela->logicalDpiY());
    const int terceira = segunda.Indent + 2 + medida.textWidth(kLyricLine, segunda.Text.substr(0, 2)) + 1;
    QVERIFY(soltar(*janela, janela->grade(c), doPainel("Afm", "0"),
                   QPoint(terceira, janela->grade(c)->retanguloLinha(r).center().y())));
    const auto acordes = decodeChordLine(janela->documento().Lines[1]);
    const auto am = std::find_if(acordes.begin(), acordes.end(), [&](const PlacedChord& p) {
        return janela->documento().Chords.Symbols[p.chord] == "Afm";
    });
    QVERIFY(am != acordes.end());
    QCOMPARE(am->column, int(segunda.Start) + 3);

    // A piece with no chord over it has no chord row: a chord dropped on it joins the line's
    // chord line, no new one is made.
    bool semAcordes = false;
    for (int col = 0; col < kMaxColunas && !semAcordes; ++col) {
        const auto& linhas = janela->folha().Columns[col];
        for (int k = 1; k < int(linhas.size()) && !semAcordes; ++k) {
            if (linhas[k].Line != 2 || linhas[k].Piece == 0 || isChordKind(linhas[k - 1].Kind)) continue;
            semAcordes = true;
            const int segundaLetra = linhas[k].Indent + 2 + medida.textWidth(kLyricLine, linhas[k].Text.substr(0, 1)) + 1;
            const int inicio = int(linhas[k].Start);
            QVERIFY(soltar(*janela, janela->grade(col), doPainel("Ef", "0"),
                           QPoint(segundaLetra, janela->grade(col)->retanguloLinha(k).center().y())));
            QCOMPARE(janela->documento().lineCount(), doc.lineCount());
            const auto depois = decodeChordLine(janela->documento().Lines[1]);
            QVERIFY(std::any_of(depois.begin(), depois.end(), [&](const PlacedChord& p) {
                return p.column == inicio + 2 &&
                       janela->documento().Chords.Symbols[p.chord] == "Ef";
            }));
        }
    }
    QVERIFY(semAcordes);

    QVERIFY(janela->salvar());
    QFile arquivo(janela->nomeArquivo());
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const auto salva = parseSongFile(arquivo.readAll().toStdString(), modeloDeFabrica());
    QVERIFY(salva);
    QCOMPARE(salva->doc.Lines, janela->documento().Lines);
    QCOMPARE(salva->doc.Lines.size(), doc.Lines.size());
    QVERIFY(salva->doc.Template.QuebrarLinhas);
}

void DocumentWindowTest::lyricsOnlyTakesNoChord() {
    Ambiente a;
    SongDocument doc = cancaoParaEditar();
    doc.Template.Presentation = 0;
    auto janela = a.abrir(a.gravar(QStringLiteral("s.dec"), doc));
    QVERIFY(!soltar(*janela, janela->grade(0), doPainel("Af", "0"), pontoNaLinha(*janela, 3, 10)));
    QCOMPARE(janela->documento().lineCount(), 5);
}

void DocumentWindowTest::aChordGoesFromOneSongToAnother() {
    Ambiente a;
    auto origem = a.abrir(a.gravar(QStringLiteral("a.dec"), cancaoParaEditar()));
    auto destino = a.abrir(a.gravar(QStringLiteral("b.dec"), cancaoParaEditar()));
    const auto [c, r] = linhaNaFolha(*origem, 1);
    const auto acorde = origem->editor().acordeEm(c, r, origem->folha().Columns[c][r].ChordExtents[0].x);
    QVERIFY(acorde);
    QVERIFY(soltar(*destino, destino->grade(0), *acorde, pontoNaLinha(*destino, 4, 3)));
    // A copy: the first song keeps its chord, the second has it over its last lyric.
    QCOMPARE(origem->documento().Lines[1], encodeChordLine({{1, 0}, {9, 1}}));
    QCOMPARE(destino->documento().Lines[4], encodeChordLine({{1, 0}}));
}

// Without the mouse: Down chooses the first text row in view, the arrows move among text rows
// (past chord rows), Enter types at the row's end, Esc stops typing and then leaves.
void DocumentWindowTest::theKeyboardReachesAndTypesIntoRows() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("k.dec"), cancaoParaEditar()));
    SheetGrid* grade = janela->grade(0);
    grade->setFocus();
    const SheetEditor& editor = janela->editor();
    const struct {
        Qt::Key tecla;
        int linha;
        bool digitando;
    } passos[] = {
        {Qt::Key_Down, 0, false},  {Qt::Key_Down, 2, false}, {Qt::Key_Return, 2, true},
        {Qt::Key_X, 2, true},      {Qt::Key_Escape, 2, false}, {Qt::Key_Down, 3, false},
        {Qt::Key_Up, 2, false},    {Qt::Key_Escape, -1, false},
    };
    for (const auto& passo : passos) {
        QTest::keyClick(grade, passo.tecla);
        QCOMPARE(editor.linhaEditada(), passo.linha);
        QCOMPARE(editor.digitando(), passo.digitando);
    }
    QCOMPARE(janela->documento().Lines[2], std::string("Ciranda cirandinhax"));
}

void DocumentWindowTest::typingAndUndo() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("d.dec"), cancaoParaEditar()));
    janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(janela.get()));
    const QPoint fim = pontoNaLinha(*janela, 3, 900);
    const auto [c, r] = linhaNaFolha(*janela, 3);
    QTest::mouseClick(janela->grade(c), Qt::LeftButton, {}, fim);
    QCOMPARE(janela->editor().linhaEditada(), 3);
    digitar(janela->grade(c), QStringLiteral("!ção"));
    QCOMPARE(janela->documento().Lines[3], std::string("vamos todos cirandar!\xE7\xE3o"));
    QVERIFY(janela->documento().Modified);
    QTest::keyClick(janela->grade(c), Qt::Key_Home);
    QTest::keyClick(janela->grade(c), Qt::Key_Right);
    QTest::keyClick(janela->grade(c), Qt::Key_Backspace);
    QTest::keyClick(janela->grade(c), Qt::Key_Return);  // never splits a row
    QCOMPARE(janela->documento().Lines[3], std::string("amos todos cirandar!\xE7\xE3o"));
    QCOMPARE(janela->documento().lineCount(), 5);
    // Down goes to the next lyric, keeping the caret's place.
    QTest::keyClick(janela->grade(c), Qt::Key_Down);
    QCOMPARE(janela->editor().linhaEditada(), 4);
    QCOMPARE(janela->editor().cursor(), 0);

    // Typing is one step, the Backspace another: two undos give the file back.
    QTest::keyClick(janela->grade(c), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(janela->documento().Lines[3], std::string("vamos todos cirandar!\xE7\xE3o"));
    QTest::keyClick(janela->grade(c), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(janela->documento().Lines[3], std::string("vamos todos cirandar"));
    QVERIFY(!janela->documento().Modified);
    QTest::keyClick(janela->grade(c), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(janela->documento().Lines[3], std::string("vamos todos cirandar!\xE7\xE3o"));
    QVERIFY(janela->documento().Modified);
}

// A double click on a chord of the diagram list changes only its fingering, everywhere; one on
// a chord over the lyrics changes that occurrence alone.
void DocumentWindowTest::doubleClickChangesAChord() {
    Ambiente a;
    SongDocument doc = cancaoParaEditar();
    doc.Lines[3] = encodeChordLine({{1, 0}});  // a second C, over "vamos todos cirandar"
    doc.LineKinds[3] = kChordLine;
    doc.Lines.insert(doc.Lines.begin() + 4, "vamos todos cirandar");
    doc.LineKinds.insert(doc.LineKinds.begin() + 4, kLyricLine);
    auto janela = a.abrir(a.gravar(QStringLiteral("c.dec"), doc));
    const Sheet& folha = janela->folha();
    int lista = -1;
    for (int r = 0; r < int(folha.Columns[0].size()); ++r)
        if (folha.Columns[0][r].Line < 0 && folha.Columns[0][r].Kind == kDiagramChordLine) lista = r;
    QVERIFY(lista >= 0);

    a.escolha = AcordeEscolhido{"Df", "1 1 1", "9", false};
    const QRect celula = janela->grade(0)->retanguloLinha(lista);
    const ChordExtent c = folha.Columns[0][lista].ChordExtents[0];
    QTest::mouseDClick(janela->grade(0), Qt::LeftButton, {}, QPoint(c.x + 2, celula.center().y()));
    QCOMPARE(a.pedidos.size(), size_t(1));
    QVERIFY(a.pedidos[0].soDigitacao);
    QCOMPARE(a.pedidos[0].cifra, std::string("C"));
    const SongDocument& agora = janela->documento();
    QCOMPARE(agora.Chords.Symbols[0], std::string("Cf"));
    QCOMPARE(agora.Chords.Fingerings[0], std::string("1 1 1"));
    QCOMPARE(agora.Chords.TypeCodes[0], std::string("1"));
    QVERIFY(agora.Modified);

    // Over the lyrics, not for all: only this C becomes D; the other C keeps its entry.
    const auto [col, linha] = linhaNaFolha(*janela, 3);
    const ChordExtent outro = janela->folha().Columns[col][linha].ChordExtents[0];
    const QRect r = janela->grade(col)->retanguloLinha(linha);
    QTest::mouseDClick(janela->grade(col), Qt::LeftButton, {}, QPoint(outro.x + 2, r.center().y()));
    QVERIFY(!a.pedidos[1].soDigitacao);
    QCOMPARE(agora.Lines[1], encodeChordLine({{1, 0}, {9, 1}}));
    QCOMPARE(agora.Lines[3], encodeChordLine({{1, 2}}));
    QCOMPARE(agora.Chords.Symbols[2], std::string("Df"));
    QCOMPARE(agora.Chords.TypeCodes[2], std::string("9"));

    // On the copy panel: the chosen chord is the panel's, in the song's own spelling.
    a.escolha = AcordeEscolhido{"Df", "0", "9", false};
    QTest::mouseDClick(janela->PanelCopia, Qt::LeftButton);
    QCOMPARE(janela->PanelCopia->simbolo(), QStringLiteral("D*"));
    QCOMPARE(a.pedidos.back().cifra, std::string());
    QTest::mouseDClick(janela->PanelCopia, Qt::LeftButton);
    QCOMPARE(a.pedidos.back().cifra, std::string("D"));
}

QTEST_MAIN(DocumentWindowTest)
namespace {

// What a poppler tool prints about a PDF; skips the test when poppler is missing.
QString popplerDiz(const QString& ferramenta, const QStringList& argumentos) {
    QProcess processo;
    processo.start(ferramenta, argumentos);
    if (!processo.waitForFinished(20000) || processo.exitCode() != 0) return QString();
    return QString::fromUtf8(processo.readAllStandardOutput());
}

}  // namespace

// The PDF has the sheet's pages on the song's paper, its words as text, its title and author;
// a PDF that cannot be written leaves nothing behind.
void DocumentWindowTest::pdfHoldsTheSongsPages() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("poppler-utils is not installed");
    Ambiente a;
    SongDocument doc = cancaoLonga(60, windows1252DeUtf8("Canção do Pão"));
    doc.Lines.insert(doc.Lines.begin() + 1, windows1252DeUtf8("João Ninguém"));
    doc.LineKinds.insert(doc.LineKinds.begin() + 1, kAuthorLine);
    auto janela = a.abrir(a.gravar(QStringLiteral("pao.dec"), doc));
    const int paginas = janela->folha().PageCount;
    QVERIFY(paginas >= 2);
    const QString pdf = a.pasta.filePath(QStringLiteral("pão.pdf"));
    QVERIFY(janela->exportarPdf(pdf));
    if (qEnvironmentVariableIsSet("TROVALE_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("TROVALE_KEEP_PDF"));

    const QString info = popplerDiz(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Canção do Pão\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Author: +João Ninguém\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\\n").arg(paginas))), qPrintable(info));
    // Drawn by the program's own PDF writer, as trovale-cli draws it, not by Qt.
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Producer: +Trovale \\d"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))),
             qPrintable(info));
    const QString ultima = popplerDiz(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-f"), QString::number(paginas),
                                       QStringLiteral("-l"), QString::number(paginas), pdf, "-"});
    QVERIFY2(ultima.contains(QStringLiteral("verso 60")), qPrintable(ultima));
    QVERIFY(!ultima.contains(QStringLiteral("verso 1\n")));

    const QString semPasta = a.pasta.filePath(QStringLiteral("nao/existe.pdf"));
    QVERIFY(!janela->exportarPdf(semPasta));
    QCOMPARE(a.dialogs.avisos, std::vector<std::string>{kMensagemArquivoImproprio});
    QVERIFY(QDir(a.pasta.path()).entryList({QStringLiteral("*.tmp*")}, QDir::Files).isEmpty());
}

void DocumentWindowTest::thePdfCutsRowsAsTheWindowDoes_data() {
    QTest::addColumn<QString>("cancao");
    QTest::addColumn<QString>("fonte");
    QTest::addColumn<int>("pontos");
    QTest::addColumn<int>("colunas");
    struct Fonte {
        const char* nome;
        int pontos;
        int colunas;
    };
    const Fonte fontes[] = {{"DejaVu Serif", 13, 2}, {"Liberation Sans", 13, 1}, {"Arial", 15, 1},
                            {"Liberation Serif", 11, 3}, {"DejaVu Sans", 16, 2}};
    for (const QString& caminho : cancoesDeReferencia())
        for (const Fonte& f : fontes)
            QTest::addRow("%s, %s %d, %d col", qPrintable(QFileInfo(caminho).fileName()), f.nome,
                          f.pontos, f.colunas)
                << caminho << QString::fromLatin1(f.nome) << f.pontos << f.colunas;
}

namespace {

// Where poppler finds a "..." of its own (a chord row's end mark), the page is inked across
// a good part of its width: no clip leaves only a dot of it.
void reticenciasVisiveis(const QString& pdf) {
    constexpr double kEscala = 2;  // 144 dpi
    const QString html = popplerDiz(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    static const QRegularExpression pagina(QStringLiteral("<page |<word xMin=\"([\\d.]+)\" "
                                                          "yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                          "yMax=\"([\\d.]+)\">\\.\\.\\.</word>"));
    int numero = 0;
    QImage imagem;
    for (auto it = pagina.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QStringLiteral("<page ")) {
            ++numero;
            imagem = QImage();
            continue;
        }
        if (imagem.isNull()) {
            const QString base = pdf + QStringLiteral("-p");
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {"-r", "144", "-f", QString::number(numero), "-l",
                               QString::number(numero), "-png", "-singlefile", pdf, base});
            imagem = QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
            QVERIFY(!imagem.isNull());
        }
        const QRect caixa(QPoint(int(m.captured(1).toDouble() * kEscala), int(m.captured(2).toDouble() * kEscala)),
                          QPoint(int(m.captured(3).toDouble() * kEscala), int(m.captured(4).toDouble() * kEscala)));
        int tingidas = 0;
        for (int x = caixa.left(); x <= caixa.right(); ++x)
            for (int y = caixa.top(); y <= caixa.bottom(); ++y)
                if (qGray(imagem.pixel(x, y)) < 160) {
                    ++tingidas;
                    break;
                }
        QVERIFY2(tingidas * 4 >= caixa.width(),
                 qPrintable(QStringLiteral("page %1: \"...\" inked on %2 of %3 columns")
                                .arg(numero).arg(tingidas).arg(caixa.width())));
    }
}

}  // namespace

// Every text row of the exported PDF is the row as the window draws it: whole, or cut with
// "..." at the same character, whatever the paper's finer widths would have decided; a chord
// row's "..." is whole on paper too.
void DocumentWindowTest::thePdfCutsRowsAsTheWindowDoes() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils is not installed");
    QFETCH(QString, cancao);
    QFETCH(QString, fonte);
    QFETCH(int, pontos);
    QFETCH(int, colunas);
    Ambiente a;
    SongDocument doc;
    QVERIFY(LoadSong(doc, cancao.toStdString(), a.modelo, a.dialogs));
    for (int elemento : {0, 1, 2, 3, 6, 7, 8}) {
        FonteElemento& f = doc.Template.Fonts[static_cast<std::size_t>(elemento)];
        f.nome = fonte.toStdString();
        f.tamanho = f.soMaiusculas() ? -pontos : pontos;
    }
    doc.Layout.numColunas = colunas;
    doc.Layout.espacoColunas = colunas > 1 ? 8 : 0;
    doc.Layout.coluna1 = doc.Layout.coluna2 = doc.Layout.coluna3 = (160 - 8 * (colunas - 1)) / colunas;
    auto janela = a.abrir(a.gravar(QStringLiteral("fonte.dec"), doc));
    const QString pdf = a.pasta.filePath(QStringLiteral("fonte.pdf"));
    QVERIFY(janela->exportarPdf(pdf));
    const QStringList paginas =
        popplerDiz(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    const Sheet& folha = janela->folha();
    for (int c = 0; c < kMaxColunas; ++c)
        for (const SheetRow& linha : folha.Columns[c]) {
            if (isChordKind(linha.Kind) || linha.Kind == kGeneratedLine) continue;
            const QString mostrada =
                QString::fromStdString(TextoMostrado(janela->documento().Template, linha)).simplified();
            if (mostrada.isEmpty()) continue;
            QVERIFY(linha.Page <= paginas.size());
            const QStringList linhas = paginas[linha.Page - 1].split(QLatin1Char('\n'));
            QVERIFY2(std::any_of(linhas.begin(), linhas.end(),
                                 [&](const QString& l) { return l.simplified() == mostrada; }),
                     qPrintable(QStringLiteral("page %1: \"%2\"").arg(linha.Page).arg(mostrada)));
        }
    reticenciasVisiveis(pdf);
}

// Through the print window onto a PDF printer: the listed pages in their order, one progress
// line each; "Abortar" during the first page leaves that page alone in the file.
void DocumentWindowTest::printingOnAPdfPrinter() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("poppler-utils is not installed");
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("longa.dec"), cancaoLonga(60)));
    QCOMPARE(janela->folha().PageCount, 3);
    TPrintForm impressao(a.dialogs);
    struct Caso {
        QString lista;
        bool abortar;
        QStringList linhas;
        QStringList primeirosVersos;  // the first lyric of each printed page
    };
    const QList<Caso> casos = {
        {"3 1", false, {"Imprimindo página 3", "Imprimindo página 1"}, {"verso 46", "verso 1"}},
        {"2-3", true, {"Imprimindo página 2"}, {"verso 23"}},
    };
    for (const Caso& caso : casos) {
        const QString arquivo = a.pasta.filePath(QStringLiteral("impressa.pdf"));
        QFile::remove(arquivo);
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(arquivo);
        QStringList linhas;
        QTimer::singleShot(0, &impressao, [&] {
            impressao.EditLista->setText(caso.lista);
            QTest::mouseClick(impressao.BtnOK, Qt::LeftButton);
        });
        impressao.imprimir(3, QStringLiteral("PDF"), metricasSemImpressora(false),
                           [&](const std::vector<int>& paginas, const AcompanhamentoImpressao& ac) {
                               AcompanhamentoImpressao seguido = ac;
                               seguido.aoComecarPagina = [&](int pagina, int altura) {
                                   ac.aoComecarPagina(pagina, altura);
                                   linhas << impressao.LabelPrinting->text();
                                   if (caso.abortar) impressao.BtnCancel->click();
                               };
                               return janela->imprimirEm(impressora, paginas, seguido);
                           });
        QCOMPARE(linhas, caso.linhas);
        const QString info = popplerDiz(QStringLiteral("pdfinfo"), {arquivo});
        QVERIFY2(info.contains(QStringLiteral("Pages:           %1\n").arg(caso.primeirosVersos.size())),
                 qPrintable(info));
        for (int i = 0; i < caso.primeirosVersos.size(); ++i) {
            const QString pagina = QString::number(i + 1);
            const QString texto = popplerDiz(QStringLiteral("pdftotext"),
                                             {"-f", pagina, "-l", pagina, arquivo, "-"});
            QVERIFY2(texto.contains(caso.primeirosVersos[i] + "\n"), qPrintable(texto));
        }
    }
}

namespace {

// Inked pixels of a row of the sheet that are green, or grey (antialiasing only lightens them).
struct Tinta {
    int verdes = 0;
    int cinzas = 0;
};
Tinta tintaDaLinha(SheetGrid* grade, int linha) {
    const QImage imagem = imagemGrade(grade);
    const QRect faixa = grade->retanguloLinha(linha);
    Tinta t;
    for (int y = faixa.top(); y <= faixa.bottom(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const QColor c = imagem.pixelColor(x, y);
            t.verdes += c.green() > c.red() + 40 && c.green() > c.blue() + 40;
            t.cinzas += c.red() == c.green() && c.green() == c.blue() && c.red() < 230;
        }
    return t;
}

}  // namespace

// While C is dragged its name is grey; G7 beside it keeps the chord colour; the drag's end
// paints it as before.
void DocumentWindowTest::aDraggedChordTurnsGrey() {
    Ambiente a;
    auto janela = a.abrir(a.gravar(QStringLiteral("g.dec"), cancaoParaEditar()));
    SheetGrid* grade = janela->grade(0);
    const auto [coluna, linha] = linhaNaFolha(*janela, 1);
    const auto acorde = janela->editor().acordeEm(coluna, linha, 3);
    QVERIFY(acorde);
    const Tinta antes = tintaDaLinha(grade, linha);
    QCOMPARE(antes.cinzas, 0);
    janela->editor().marcarArrastado(acorde->acorde.line, acorde->acorde.column);
    const Tinta durante = tintaDaLinha(grade, linha);
    QVERIFY(durante.cinzas > 0);
    QVERIFY(durante.verdes > 0 && durante.verdes < antes.verdes);
    janela->editor().marcarArrastado(-1, 0);
    QCOMPARE(tintaDaLinha(grade, linha).verdes, antes.verdes);
}

#include "document_window_test.moc"
