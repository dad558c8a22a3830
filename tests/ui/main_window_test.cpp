// The main window as the user meets it: its menu, the rules that enable its items, the
// catalogue save commands, the start panel, the titles and the closing question.

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include <QToolButton>
#include "catalogue/catalogue_files.h"
#include "catalogue/frets_notation.h"
#include "catalogue_folder.h"
#include "document/chordpro_export.h"
#include "document/song_file.h"
#include "support/recording_dialogs.h"
#include "ui/aspect/aspect_form.h"
#include "ui/document_window/chord_panels.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"
#include "ui/document_window/sheet_grid.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/file_dialog/song_list_view.h"
#include "ui/help/help_form.h"
#include "ui/main_window/start_panel.h"
#include "ui/main_window/start_picture.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/page_setup/page_form.h"
#include "ui/songbook/caderno_dlg.h"
#include "ui/template_window/template_form.h"
#include "ui/text_editor/letra_dlg.h"
#include "ui/text_editor/text_grid.h"

using namespace trovale;
using trovale::testing::PastaCatalogo;
using trovale::testing::RecordingDialogs;

namespace {

// A song's fingering text as frets, "x 3 2 0 1 0".
std::string fretsDe(const std::string& digitacao) {
    const auto gravada = digitacaoDoTexto(digitacao);
    return gravada ? escreverTrastes(trastesDe(Decodificar(*gravada))) : digitacao;
}

// A song file of a title and `versos` lyric lines of `largura` characters.
QByteArray cancao(int versos = 2, int largura = 20) {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Lines = {"Cantiga"};
    doc.LineKinds = {kTitleLine};
    for (int i = 0; i < versos; ++i) {
        doc.Lines.push_back(std::string(static_cast<std::size_t>(largura), 'a'));
        doc.LineKinds.push_back(kLyricLine);
    }
    return QByteArray::fromStdString(songFileText(doc));
}

// A song of verses under chord diagrams.
QByteArray cancaoComDiagramas() {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Template.Presentation = 2;
    doc.Chords.append("Cf", "1", "0");
    for (int i = 0; i < 12; ++i) {
        doc.Lines.push_back(encodeChordLine({{1, 0}}));
        doc.LineKinds.push_back(kDiagramChordLine);
        doc.Lines.push_back("verso " + std::to_string(i + 1));
        doc.LineKinds.push_back(kLyricLine);
    }
    return QByteArray::fromStdString(songFileText(doc));
}

// A song using `acordes` distinct chords, one per chord line.
QByteArray cancaoComAcordes(int acordes) {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    for (int i = 0; i < acordes; ++i) {
        doc.Chords.append("Cf*" + std::to_string(i), "1", "0");
        doc.Lines.push_back(encodeChordLine({{1, i}}));
        doc.LineKinds.push_back(kChordLine);
        doc.Lines.push_back("la");
        doc.LineKinds.push_back(kLyricLine);
    }
    return QByteArray::fromStdString(songFileText(doc));
}

// A main window on a small catalogue in a temporary program folder.
struct Montagem {
    PastaCatalogo pasta;
    DiskFileSystem fs;
    Catalogo catalogo;
    RecordingDialogs dialogs;
    Aparencia aparencia;
    int impressoras = 1;
    std::unique_ptr<TTrovaleForm1> janela;
    std::unique_ptr<TFileDlg> janelaArquivos;
    std::unique_ptr<TLetraDlg> letra;

    Montagem() {
        pasta.catalogoValido();
        AbrirCatalogo(arquivos(), catalogo, dialogs);
        ServicosPrincipais servicos{catalogo, arquivos(), [] { return 45000.5; },
                                    [this] { return impressoras; }};
        servicos.aparencia = &aparencia;
        janela = std::make_unique<TTrovaleForm1>(std::move(servicos), QStringList());
        janela->setDialogs(&dialogs);
        janela->concluirCriacao();
    }
    ArquivosCatalogo arquivos() { return ArquivosCatalogo{pasta.pasta(), fs}; }

    QAction* item(const char* nome) const {
        auto* acao = janela->findChild<QAction*>(QString::fromLatin1(nome));
        if (!acao) qFatal("no menu item %s", nome);
        return acao;
    }
    // What the user sees on opening a menu.
    void abrirMenus() const {
        emit janela->menu().mArquivo->aboutToShow();
        emit janela->menu().mAcordes->aboutToShow();
    }
    QWidget* adicionarDocumento(const QString& arquivo = {}) const {
        auto* documento = new QWidget;
        documento->setWindowFilePath(arquivo);
        janela->adicionarJanelaDocumento(documento);
        return documento;
    }
    // Up and past its start, with the file window and, when asked, the text editor.
    void iniciarComArquivos(bool comLetra = false) {
        janelaArquivos = std::make_unique<TFileDlg>(dialogs, pasta.caminho(), pasta.caminho());
        janela->setArquivos(janelaArquivos.get());
        if (comLetra) {
            letra = std::make_unique<TLetraDlg>(catalogo, dialogs);
            janela->setLetra(letra.get());
        }
        janela->show();
        janela->executarInicioAdiado();
    }
    bool painelVisivel() const {
        auto* centro = qobject_cast<QStackedWidget*>(janela->centralWidget());
        return centro->currentWidget() == janela->painel();
    }
};

// Items whose windows come with later parts of the program.
const char* const kSemJanela[] = {"mNovo",     "mAbrir",       "mSalvarComo",  "mImportar",
                                  "mExportar", "mExportarPdf", "mExportarCho", "mCaderno",
                                  "mModelo",   "mConfigurar",  "mImprimir",    "mTexto",
                                  "mTranspor", "mSelect",      "mDigitacao",   "mNomenclatura",
                                  "mOrdem",    "mAspecto",     "mSom",         "mImpressora"};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void menuCaptionsAndShortcuts_data();
    void menuCaptionsAndShortcuts();
    void menuBarHoldsFiveMenusInOrder();
    void eachMenuHasItsOwnAccelerators_data();
    void eachMenuHasItsOwnAccelerators();
    void rules_data();
    void rules();
    void windowFollowsDocuments_data();
    void windowFollowsDocuments();
    void lastDocumentClosedBringsThePanelBack();
    void itemsWithoutTheirWindowsStayDisabled();
    void helpItemsNeedTheHelpWindow();
    void catalogueSaveCommands_data();
    void catalogueSaveCommands();
    void closingAsksQuestion3_data();
    void closingAsksQuestion3();
    void sairAsksWhatClosingTheWindowAsks_data();
    void sairAsksWhatClosingTheWindowAsks();
    void arrangedSongsStayUsable_data();
    void arrangedSongsStayUsable();
    void theMenuListsTheSongsAndCtrlTabGoesThroughThem();
    void titlesFollowTheMaximizedDocument();
    void handOffOpensQueuesAndRefuses();
    void songsOpenOrAreRefused_data();
    void songsOpenOrAreRefused();
    void saveAndCloseThroughTheMenu();
    void openAndSaveAsThroughTheFileWindow();
    void closingANewSongAsksForAName();
    void aSongWrittenFromAnEmptyStart();
    void importAndExportThroughTheFileWindow();
    void pastingASongFromASite();
    void chordProInAndOutAndASongbook();
    void aSongbookTakesOpenSongsInTheChosenOrder_data();
    void aSongbookTakesOpenSongsInTheChosenOrder();
    void startPanel();
    void anAppearanceChangeLaysOutOpenSongs();
    void templateAppliedCancelledAndUndone_data();
    void templateAppliedCancelledAndUndone();
    void lineMeaningsDraggedFromTheTemplate();
    void pageSetupPreviewsThenKeepsOrRestores_data();
    void pageSetupPreviewsThenKeepsOrRestores();
    void aTemplateCancelledInPageSetupPutsTheSongBack();
};

void MainWindowTest::menuCaptionsAndShortcuts_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("atalho");
    const char* const linhas[][3] = {
        {"mNovo", "&Novo", "Ctrl+N"},
        {"mAbrir", "&Abrir", "Ctrl+A"},
        {"mFechar", "&Fechar", ""},
        {"mSalvar", "&Salvar", "Ctrl+S"},
        {"mSalvarComo", "Sal&var como...", ""},
        {"mImportar", "&Importar *.txt", ""},
        {"mColar", "&Colar cifra", "Ctrl+Shift+V"},
        {"mExportar", "&Exportar *.txt", ""},
        {"mExportarPdf", "Exportar *.p&df", ""},
        {"mExportarCho", "Exportar *.c&ho", ""},
        {"mCaderno", "Cadern&o de cifras (PDF)...", ""},
        {"mModelo", "&Modelo", "Ctrl+M"},
        {"mConfigurar", "&Lay-out", "Ctrl+L"},
        {"mImprimir", "Im&primir", "Ctrl+P"},
        {"mJanela", "&Janelas", ""},
        {"mSair", "Sai&r", "Ctrl+Q"},
        {"mTexto", "&Editar em formato texto", "Ctrl+E"},
        {"mTranspor", "&Transpor (mudar tom)", "Ctrl+T"},
        {"mSelect", "&Ver acordes e digitações", ""},
        {"mDigitacao", "&Digitações - atualizar, etc.", ""},
        {"mNomenclatura", "&Constituição e nomenclatura", ""},
        {"mOrdem", "&Ordem de apresentação", ""},
        {"mGravarTipos", "Salvar &tipos atualizados", ""},
        {"mGravarPosicoes", "Salvar di&gitações atuais", ""},
        {"mGravarJunto", "&Salvar atualizações acima", ""},
        {"mAspecto", "&Aparência do braço", ""},
        {"mSom", "&Som dos acordes", ""},
        {"mImpressora", "&Impressora (config)", ""},
        {"mPainel", "&Painel de ferramentas", ""},
        {"mBarras", "&Barras de rolagem", ""},
        {"mConteudo", "&Conteúdo", ""},
        {"mAssunto", "Por &assunto", ""},
        {"mComoUsar", "Como &usar o Help", ""},
    };
    for (const auto& [nome, legenda, atalho] : linhas)
        QTest::newRow(nome) << nome << QString::fromUtf8(legenda) << atalho;
}

void MainWindowTest::menuCaptionsAndShortcuts() {
    QFETCH(QString, nome);
    QFETCH(QString, legenda);
    QFETCH(QString, atalho);
    Montagem m;
    QAction* acao = m.item(nome.toLatin1().constData());
    QCOMPARE(acao->text(), legenda);
    QCOMPARE(acao->shortcut(), QKeySequence(atalho));
    // Only the two document-window switches carry check marks, and both start checked.
    const bool marca = nome == "mPainel" || nome == "mBarras";
    QCOMPARE(acao->isCheckable(), marca);
    QCOMPARE(acao->isChecked(), marca);
}

void MainWindowTest::menuBarHoldsFiveMenusInOrder() {
    Montagem m;
    QStringList titulos;
    for (QAction* acao : m.janela->menuBar()->actions()) titulos << acao->text();
    QCOMPARE(titulos, QStringList({"&Documento", "&Editar", "&Acordes", "&Opções", "&Help"}));
    QCOMPARE(m.janela->windowTitle(), QStringLiteral(" Trovale 2.04"));
    // The separator that goes with the document windows' switches.
    QAction* n6 = m.janela->findChild<QAction*>(QStringLiteral("N6"));
    QVERIFY(n6 && n6->isSeparator());
}

void MainWindowTest::eachMenuHasItsOwnAccelerators_data() {
    QTest::addColumn<QString>("menu");  // empty: the menu bar itself
    QTest::addColumn<int>("musicas");
    for (const char* menu : {"", "mArquivo", "mEditar", "mAcordes", "mOpcoes", "mHelp"})
        QTest::newRow(*menu ? menu : "menu bar") << menu << 2;
    QTest::newRow("mAcordes, no song") << "mAcordes" << 0;
}

// Alt and a letter reach every item, and no letter is taken twice within a menu.
void MainWindowTest::eachMenuHasItsOwnAccelerators() {
    QFETCH(QString, menu);
    QFETCH(int, musicas);
    Montagem m;
    m.janela->show();
    m.janela->executarInicioAdiado();
    for (int i = 0; i < musicas; ++i) {
        const QString nome = QStringLiteral("m%1.dec").arg(i);
        m.pasta.gravar(nome, cancao());
        QVERIFY(m.janela->abrirArquivo(m.pasta.arquivo(nome)));
    }
    m.abrirMenus();
    QWidget* barra = m.janela->menuBar();
    const QList<QAction*> itens =
        menu.isEmpty() ? barra->actions() : m.janela->findChild<QMenu*>(menu)->actions();
    QMap<int, QStringList> porLetra;
    for (QAction* item : itens) {
        if (item->isSeparator() || !item->isVisible()) continue;
        const QKeySequence letra = QKeySequence::mnemonic(item->text());
        QVERIFY2(!letra.isEmpty(), qPrintable(item->text()));
        porLetra[letra[0].key()] << item->text();
    }
    for (const QStringList& mesmas : porLetra)
        QVERIFY2(mesmas.size() == 1, qPrintable(mesmas.join(QStringLiteral(", "))));
}

void MainWindowTest::rules_data() {
    QTest::addColumn<int>("documentos");
    QTest::addColumn<int>("impressoras");
    QTest::addColumn<bool>("tipos");
    QTest::addColumn<bool>("digitacoes");
    QTest::addColumn<bool>("juntos");
    // Expected: fechar/salvar/modelo..., imprimir, janela, gravarTipos, gravarPosicoes,
    // gravarJunto, switches visible.
    QTest::addColumn<QString>("esperado");
    QTest::addColumn<QString>("legenda");
    const QString ver = QStringLiteral("&Ver acordes e digitações");
    const QString escolher = QStringLiteral("&Escolher acorde e digitação");
    QTest::newRow("nothing open") << 0 << -1 << false << false << false << "0000000" << ver;
    QTest::newRow("one song") << 1 << -1 << false << false << false << "1100001" << escolher;
    QTest::newRow("one song, printers")
        << 1 << 3 << false << false << false << "1100001" << escolher;
    QTest::newRow("one song, no printer")
        << 1 << 0 << false << false << false << "1000001" << escolher;
    QTest::newRow("two songs") << 2 << 1 << false << false << false << "1110001" << escolher;
    QTest::newRow("five songs, no printer")
        << 5 << 0 << false << false << false << "1010001" << escolher;
    QTest::newRow("types changed") << 0 << 1 << true << false << false << "0001000" << ver;
    QTest::newRow("fingerings changed") << 0 << 1 << false << true << false << "0000100" << ver;
    QTest::newRow("both changed") << 0 << 1 << true << true << false << "0001110" << ver;
    QTest::newRow("joint save pending") << 0 << 1 << true << true << true << "0000010" << ver;
    QTest::newRow("joint, types only") << 0 << 1 << true << false << true << "0000000" << ver;
}

void MainWindowTest::rules() {
    QFETCH(int, documentos);
    QFETCH(int, impressoras);
    QFETCH(bool, tipos);
    QFETCH(bool, digitacoes);
    QFETCH(bool, juntos);
    QFETCH(QString, esperado);
    QFETCH(QString, legenda);
    const EstadoMenu e = regrasMenu({documentos, impressoras, tipos, digitacoes, juntos});
    const bool comDocumento = esperado[0] == '1';
    for (bool item : {e.fechar, e.salvar, e.salvarComo, e.exportar, e.modelo, e.configurar, e.texto,
                      e.transpor})
        QCOMPARE(item, comDocumento);
    QString obtido;
    for (bool item : {comDocumento, e.imprimir, e.janela, e.gravarTipos, e.gravarPosicoes,
                      e.gravarJunto, e.barrasVisivel})
        obtido += item ? '1' : '0';
    QCOMPARE(obtido, esperado);
    QCOMPARE(e.legendaSelect, legenda);
}

void MainWindowTest::windowFollowsDocuments_data() {
    QTest::addColumn<int>("documentos");
    for (int n : {0, 1, 2, 3}) QTest::newRow(qPrintable(QString::number(n))) << n;
}

void MainWindowTest::windowFollowsDocuments() {
    QFETCH(int, documentos);
    Montagem m;
    m.janela->show();
    for (int i = 0; i < documentos; ++i) m.adicionarDocumento();
    m.abrirMenus();
    QCOMPARE(m.janela->numeroDocumentos(), documentos);
    QCOMPARE(m.item("mFechar")->isEnabled(), documentos > 0);
    QCOMPARE(m.item("mJanela")->isEnabled(), documentos >= 2);
    for (const char* nome : {"mPainel", "mBarras", "N6"})
        QCOMPARE(m.item(nome)->isVisible(), documentos > 0);
    QCOMPARE(m.item("mSelect")->text(), documentos > 0
                                            ? QStringLiteral("&Escolher acorde e digitação")
                                            : QStringLiteral("&Ver acordes e digitações"));
    QCOMPARE(m.painelVisivel(), documentos == 0);
    if (documentos < 2) return;
    // "Janelas": every song back to normal size, cascaded.
    m.item("mJanela")->trigger();
    for (QMdiSubWindow* janela : m.janela->areaDocumentos()->subWindowList()) {
        QVERIFY(!janela->isMaximized());
        QVERIFY(!janela->isMinimized());
    }
}

void MainWindowTest::lastDocumentClosedBringsThePanelBack() {
    Montagem m;
    m.janela->show();
    m.adicionarDocumento();
    m.adicionarDocumento();
    QSignalSpy painel(m.item("mPainel"), &QAction::toggled);
    m.item("mPainel")->trigger();
    QCOMPARE(painel.count(), 1);
    QCOMPARE(painel.at(0).at(0).toBool(), false);

    m.item("mFechar")->trigger();
    QTRY_COMPARE(m.janela->numeroDocumentos(), 1);
    QVERIFY(!m.painelVisivel());
    m.item("mFechar")->trigger();
    QTRY_VERIFY(m.painelVisivel());
    m.abrirMenus();
    QVERIFY(!m.item("mFechar")->isEnabled());
    QVERIFY(!m.item("mPainel")->isVisible());
    QCOMPARE(m.janela->windowTitle(), QStringLiteral(" Trovale 2.04"));
}

void MainWindowTest::itemsWithoutTheirWindowsStayDisabled() {
    Montagem m;
    m.catalogo.TiposAlterados = m.catalogo.DigitacoesAlteradas = true;
    m.adicionarDocumento();
    m.adicionarDocumento();
    m.abrirMenus();
    for (const char* nome : kSemJanela) QVERIFY2(!m.item(nome)->isEnabled(), nome);
    // The start panel's buttons are their items' and follow them.
    PainelInicial* painel = m.janela->painel();
    for (QToolButton* botao : {painel->BtnNew, painel->BtnOpen, painel->BtnAcorde})
        QVERIFY(!botao->isEnabled());
    for (const char* nome : {"mFechar", "mJanela", "mGravarTipos", "mGravarPosicoes",
                             "mGravarJunto", "mPainel", "mBarras"})
        QVERIFY2(m.item(nome)->isEnabled(), nome);
}

void MainWindowTest::helpItemsNeedTheHelpWindow() {
    Montagem m;
    for (const char* nome : {"mConteudo", "mAssunto", "mComoUsar"})
        QVERIFY(!m.item(nome)->isEnabled());
    auto* ajuda = new THelpForm(m.janela.get());
    m.janela->setAjuda(ajuda);
    for (const char* nome : {"mConteudo", "mAssunto", "mComoUsar"})
        QVERIFY(m.item(nome)->isEnabled());
    m.item("mConteudo")->trigger();
    QVERIFY(ajuda->isVisible());
    m.janela->close();
    QVERIFY(!ajuda->isVisible());
}

void MainWindowTest::catalogueSaveCommands_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<bool>("tipos");
    QTest::addColumn<bool>("digitacoes");
    QTest::newRow("types") << "mGravarTipos" << true << false;
    QTest::newRow("fingerings") << "mGravarPosicoes" << false << true;
    QTest::newRow("both") << "mGravarJunto" << true << true;
}

void MainWindowTest::catalogueSaveCommands() {
    QFETCH(QString, comando);
    QFETCH(bool, tipos);
    QFETCH(bool, digitacoes);
    Montagem m;
    const QByteArray tiposAntes = m.pasta.ler("ACORDES.TIP");
    const QByteArray digitacoesAntes = m.pasta.ler("POSICOES.DIG");
    m.catalogo.TiposAlterados = tipos;
    m.catalogo.DigitacoesAlteradas = digitacoes;
    m.abrirMenus();
    QAction* acao = m.item(comando.toLatin1().constData());
    QVERIFY(acao->isEnabled());
    acao->trigger();

    QCOMPARE(m.dialogs.avisos.size(), size_t(1));
    const QRegularExpression relato(QStringLiteral(
        "^Operação concluida com sucesso\\. O par anterior de arquivos do catálogo foi "
        "duplicado no subdiretório \"CtlgBackUp\", com o nome base (C\\d{7,}) e suas "
        "respectivas extensões originais \\(DIG e TIP\\)\\.$"));
    const auto achado = relato.match(QString::fromStdString(m.dialogs.avisos[0]));
    QVERIFY2(achado.hasMatch(), m.dialogs.avisos[0].c_str());
    // The backup is the pair as it was before the save.
    const QString base = QStringLiteral("CtlgBackUp/") + achado.captured(1);
    QCOMPARE(m.pasta.ler(base + ".TIP"), tiposAntes);
    QCOMPARE(m.pasta.ler(base + ".DIG"), digitacoesAntes);
    for (const char* trabalho :
         {"ACORDES.NEW", "POSICOES.NEW", "TERMINOU.NEW", "ACABOU.NEW", "CASADA.END"})
        QVERIFY2(!m.pasta.existe(trabalho), trabalho);
    QVERIFY(!m.catalogo.TiposAlterados);
    QVERIFY(!m.catalogo.DigitacoesAlteradas);
    m.abrirMenus();
    for (const char* nome : {"mGravarTipos", "mGravarPosicoes", "mGravarJunto"})
        QVERIFY2(!m.item(nome)->isEnabled(), nome);
    // What was saved loads again.
    Catalogo relido;
    RecordingDialogs silencio;
    AbrirCatalogo(m.arquivos(), relido, silencio);
    QCOMPARE(relido.tipos.NumTipos, 2);
    QCOMPARE(relido.digitacoes.NumDigitacoes(), 1);
}

void MainWindowTest::closingAsksQuestion3_data() {
    QTest::addColumn<bool>("tipos");
    QTest::addColumn<bool>("digitacoes");
    QTest::addColumn<bool>("cancelaSaida");
    QTest::addColumn<bool>("pergunta");
    QTest::addColumn<bool>("fecha");
    QTest::newRow("nothing changed") << false << false << false << false << true;
    QTest::newRow("types, leave") << true << false << false << true << true;
    QTest::newRow("types, stay") << true << false << true << true << false;
    QTest::newRow("fingerings, leave") << false << true << false << true << true;
    QTest::newRow("both, stay") << true << true << true << true << false;
}

void MainWindowTest::closingAsksQuestion3() {
    QFETCH(bool, tipos);
    QFETCH(bool, digitacoes);
    QFETCH(bool, cancelaSaida);
    QFETCH(bool, pergunta);
    QFETCH(bool, fecha);
    Montagem m;
    m.janela->show();
    m.catalogo.TiposAlterados = tipos;
    m.catalogo.DigitacoesAlteradas = digitacoes;
    m.dialogs.respostas.push_back(cancelaSaida ? Resposta::Sim : Resposta::Nao);
    QCOMPARE(m.janela->close(), fecha);
    QCOMPARE(m.janela->isVisible(), !fecha);
    QCOMPARE(m.dialogs.perguntas.size(), size_t(pergunta ? 1 : 0));
    if (pergunta) QCOMPARE(m.dialogs.perguntas[0].first, 3);
}

void MainWindowTest::sairAsksWhatClosingTheWindowAsks_data() {
    QTest::addColumn<bool>("tipos");            // the catalogue has unsaved types
    QTest::addColumn<bool>("modificada");       // the open song has unsaved changes
    QTest::addColumn<QList<int>>("respostas");  // Resposta values, in order
    QTest::addColumn<QStringList>("relato");
    const int sim = int(Resposta::Sim), nao = int(Resposta::Nao);
    QTest::newRow("nothing changed") << false << false << QList<int>{} << QStringList{"fechada"};
    QTest::newRow("catalogue, stay")
        << true << false << QList<int>{sim} << QStringList{"pergunta 3", "aberta"};
    QTest::newRow("song, cancel") << false << true << QList<int>{int(Resposta::Cancelar)}
                                  << QStringList{"fechar Cantiga", "aberta"};
    QTest::newRow("both, leave") << true << true << QList<int>{nao, nao}
                                 << QStringList{"pergunta 3", "fechar Cantiga", "fechada"};
}

// "Sair" asks exactly what closing the main window asks, and ends alike.
void MainWindowTest::sairAsksWhatClosingTheWindowAsks() {
    QFETCH(bool, tipos);
    QFETCH(bool, modificada);
    QFETCH(QList<int>, respostas);
    QFETCH(QStringList, relato);
    const auto sair = [&](const char* comando) {
        Montagem m;
        m.iniciarComArquivos();
        m.pasta.gravar(QStringLiteral("a.dec"), cancao(3));
        TImageForm* documento = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("a.dec")));
        if (modificada) documento->marcarModificado();
        m.catalogo.TiposAlterados = tipos;
        for (int r : respostas) m.dialogs.respostas.push_back(Resposta(r));
        comando ? m.item(comando)->trigger() : void(m.janela->close());
        QStringList visto;
        for (const auto& [tipo, texto] : m.dialogs.perguntas)
            visto << QString("pergunta %1").arg(tipo);
        for (const auto& [titulo, legenda] : m.dialogs.fechamentos)
            visto << QStringLiteral("fechar ") + QString::fromStdString(titulo);
        return visto << (m.janela->isVisible() ? "aberta" : "fechada");
    };
    QCOMPARE(sair(nullptr), relato);
    QCOMPARE(sair("mSair"), relato);
}

void MainWindowTest::titlesFollowTheMaximizedDocument() {
    Montagem m;
    m.janela->show();
    QWidget* a = m.adicionarDocumento(QStringLiteral("/musicas/Asa Branca.dec"));
    QMdiSubWindow* janelaA = qobject_cast<QMdiSubWindow*>(a->parentWidget());
    QVERIFY(janelaA->isMaximized());
    QCOMPARE(m.janela->windowTitle(), QStringLiteral(" Trovale 2.04 - /musicas/Asa Branca.dec"));
    QCOMPARE(janelaA->windowTitle(), QString());

    m.adicionarDocumento(QStringLiteral("/musicas/Luar do Sertão.dec"));
    m.item("mJanela")->trigger();
    QCOMPARE(m.janela->windowTitle(), QStringLiteral(" Trovale 2.04"));
    QStringList titulos;
    for (QMdiSubWindow* janela : m.janela->areaDocumentos()->subWindowList())
        titulos << janela->windowTitle();
    QCOMPARE(titulos, QStringList({"/musicas/Asa Branca.dec", "/musicas/Luar do Sertão.dec"}));
}

namespace {

// Opens songs a.dec, b.dec, ... in the main window.
QList<TImageForm*> abrirMusicas(Montagem& m, int quantas) {
    QList<TImageForm*> abertas;
    for (int i = 0; i < quantas; ++i) {
        const QString nome = QString(QChar('a' + i)) + QStringLiteral(".dec");
        m.pasta.gravar(nome, cancao(20));
        abertas << m.janela->abrirArquivo(m.pasta.arquivo(nome));
    }
    return abertas;
}

// The songs listed between "Janelas" and "Sair", the checked one marked with "*".
QStringList listaDeJanelas(const Montagem& m) {
    m.abrirMenus();
    QStringList itens;
    const QList<QAction*> menu = m.janela->menu().mArquivo->actions();
    for (qsizetype i = menu.indexOf(m.item("mJanela")) + 1; menu[i] != m.item("mSair"); ++i)
        if (!menu[i]->isSeparator()) itens << menu[i]->text() + (menu[i]->isChecked() ? "*" : "");
    return itens;
}

}  // namespace

void MainWindowTest::arrangedSongsStayUsable_data() {
    QTest::addColumn<int>("musicas");
    QTest::addColumn<int>("ativa");
    QTest::newRow("two, the last in front") << 2 << 1;
    QTest::newRow("four, the first in front") << 4 << 0;
    QTest::newRow("twenty-four, more than the steps hold") << 24 << 5;
}

// "Janelas" cascades the songs, each at least 60% of the area and wholly inside it, title
// bars apart; the song in front stays in front and on top.
void MainWindowTest::arrangedSongsStayUsable() {
    QFETCH(int, musicas);
    QFETCH(int, ativa);
    Montagem m;
    m.janela->resize(1000, 760);
    m.iniciarComArquivos();
    const QList<TImageForm*> abertas = abrirMusicas(m, musicas);
    QMdiArea* area = m.janela->areaDocumentos();
    area->setActiveSubWindow(area->subWindowList()[ativa]);
    m.item("mJanela")->trigger();
    const QRect espaco = area->viewport()->rect();
    QSet<int> alturas;
    for (QMdiSubWindow* janela : area->subWindowList()) {
        const QRect g = janela->geometry();
        QVERIFY(!janela->isMaximized() && espaco.contains(g));
        QVERIFY(g.width() >= espaco.width() * 0.6 && g.height() >= espaco.height() * 0.6);
        alturas.insert(g.y());
    }
    QVERIFY(alturas.size() >= std::min(musicas, 5));
    QCOMPARE(m.janela->documentoAtivo(), abertas[ativa]);
    QCOMPARE(area->subWindowList(QMdiArea::StackingOrder).last()->widget(), abertas[ativa]);
}

// The "Documento" menu lists the open songs by file name, the one in front checked; picking
// one brings it to the front, and Ctrl+Tab and Ctrl+Shift+Tab go round them.
void MainWindowTest::theMenuListsTheSongsAndCtrlTabGoesThroughThem() {
    Montagem m;
    m.iniciarComArquivos();
    QCOMPARE(listaDeJanelas(m), QStringList());
    m.pasta.gravar(QStringLiteral("Samba & Choro.dec"), cancao());
    QList<TImageForm*> abertas = abrirMusicas(m, 2);
    abertas << m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("Samba & Choro.dec")));
    abertas << m.janela->abrirNovo();
    QCOMPARE(listaDeJanelas(m),
             (QStringList{"&1 a.dec", "&2 b.dec", "&3 Samba && Choro.dec", "&4 Sem título*"}));
    for (QAction* item : m.janela->menu().mArquivo->actions())
        if (item->text() == QStringLiteral("&2 b.dec")) item->trigger();
    QCOMPARE(m.janela->documentoAtivo(), abertas[1]);
    QCOMPARE(listaDeJanelas(m).at(1), QStringLiteral("&2 b.dec*"));

    m.janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m.janela.get()));
    const Qt::KeyboardModifiers voltar = Qt::ControlModifier | Qt::ShiftModifier;
    // Shift+Tab arrives as Backtab.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> passos[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 2},
        {Qt::Key_Tab, Qt::ControlModifier, 3},
        {Qt::Key_Tab, Qt::ControlModifier, 0},
        {Qt::Key_Backtab, voltar, 3},
        {Qt::Key_Tab, voltar, 2}};
    for (const auto& [tecla, modificadores, ativa] : passos) {
        QTest::keyClick(m.janela.get(), tecla, modificadores);
        QCOMPARE(m.janela->documentoAtivo(), abertas[ativa]);
    }
    m.item("mFechar")->trigger();
    QTRY_COMPARE(listaDeJanelas(m), (QStringList{"&1 a.dec", "&2 b.dec", "&3 Sem título*"}));
}

void MainWindowTest::handOffOpensQueuesAndRefuses() {
    Montagem m;
    m.janela->show();
    // Before the catalogue has been checked nothing is opened; it waits.
    m.pasta.gravar(QStringLiteral("minha musica.dec"), cancao());
    const QString minha = m.pasta.arquivo(QStringLiteral("minha musica.dec"));
    m.janela->receberDeOutraInstancia(minha);
    QCOMPARE(m.janela->numeroDocumentos(), 0);
    m.janela->executarInicioAdiado();
    QVERIFY(m.dialogs.avisos.empty());
    QCOMPARE(m.janela->numeroDocumentos(), 1);
    QCOMPARE(m.janela->documentoAtivo()->nomeArquivo(), minha);
    QCOMPARE(m.janela->windowTitle(), QStringLiteral(" Trovale 2.04 - ") + minha);
    m.dialogs.avisos.clear();
    m.janela->receberDeOutraInstancia(minha);
    QCOMPARE(m.dialogs.avisos,
             std::vector<std::string>{"Operação bloqueada: arquivo (já) aberto."});
    QCOMPARE(m.janela->numeroDocumentos(), 1);

    // A song already open is not opened twice, however its path is spelled.
    m.pasta.gravar(QStringLiteral("aberta.dec"), "Trovak2 02.00\r\n");
    m.adicionarDocumento(m.pasta.arquivo(QStringLiteral("aberta.dec")));
    m.dialogs.avisos.clear();
    m.janela->receberDeOutraInstancia(m.pasta.caminho() + QStringLiteral("/./aberta.dec"));
    QCOMPARE(m.dialogs.avisos,
             std::vector<std::string>{"Operação bloqueada: arquivo (já) aberto."});
    QCOMPARE(m.janela->numeroDocumentos(), 2);

    // Without a path the running program only comes to the front.
    m.dialogs.avisos.clear();
    m.janela->showMinimized();
    m.janela->receberDeOutraInstancia(QString());
    QVERIFY(m.dialogs.avisos.empty());
    QVERIFY(!m.janela->isMinimized());
}

void MainWindowTest::songsOpenOrAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<QString>("aviso");     // empty: it opens
    const QString defeituoso = QStringLiteral("Arquivo incompatível ou defeituoso");
    QByteArray danificado = cancao(30);
    for (qsizetype i = 15; i < danificado.size(); i += 37) danificado[i] = char(0x80 + i % 90);
    QTest::newRow("missing") << QByteArray()
                             << QStringLiteral(
                                    "Arquivo/caminho impróprio ou dispositivo "
                                    "inválido/defeituoso.");
    QTest::newRow("empty file") << QByteArray("") << defeituoso;
    QTest::newRow("damaged bytes") << danificado << defeituoso;
    QTest::newRow("not a song") << QByteArray("Asa Branca\r\nLuiz Gonzaga\r\n") << defeituoso;
    QTest::newRow("a song with no lines")
        << QByteArray::fromStdString(
               songFileText(newSongDocument(modeloDeFabrica(), layoutDeFabrica())))
        << QString();
    QTest::newRow("3000 lines of 1000 characters") << cancao(2999, 1000) << QString();
    QTest::newRow("200 distinct chords") << cancaoComAcordes(200) << QString();
}

// Whatever the file holds, the song opens or the loader says why, and no window stays behind.
void MainWindowTest::songsOpenOrAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, aviso);
    Montagem m;
    m.janela->show();
    m.janela->executarInicioAdiado();
    const QString caminho = m.pasta.arquivo(QStringLiteral("canção.dec"));
    if (!bytes.isNull()) m.pasta.gravar(QStringLiteral("canção.dec"), bytes);
    TImageForm* aberto = m.janela->abrirArquivo(caminho);
    QCOMPARE(aberto != nullptr, aviso.isEmpty());
    if (aviso.isEmpty()) {
        QCOMPARE(m.janela->numeroDocumentos(), 1);
        QVERIFY(aberto->folha().PageCount >= 1);
    } else {
        QCOMPARE(QString::fromStdString(m.dialogs.avisos.at(0)), aviso);
        QTRY_COMPARE(m.janela->numeroDocumentos(), 0);
        QTRY_VERIFY(m.painelVisivel());
    }
}

// "Aparência do braço" turned horizontal with a song open: on "OK" the song is laid out again
// at once, as a song opened afterwards is.
void MainWindowTest::anAppearanceChangeLaysOutOpenSongs() {
    Montagem m;
    TAspectForm aspecto(m.aparencia, m.fs, m.pasta.pasta());
    aspecto.setDialogs(&m.dialogs);
    m.janela->setAspecto(&aspecto);
    m.janela->show();
    m.janela->executarInicioAdiado();
    m.pasta.gravar(QStringLiteral("antes.dec"), cancaoComDiagramas());
    m.pasta.gravar(QStringLiteral("depois.dec"), cancaoComDiagramas());
    TImageForm* aberta = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("antes.dec")));
    QVERIFY(aberta);
    const auto alturas = [](const TImageForm* d) { return d->folha().RowHeight; };
    const auto vertical = alturas(aberta);
    QTimer::singleShot(0, &aspecto, [&aspecto] {
        QTest::mouseClick(aspecto.HorizontalRB, Qt::LeftButton, {},
                          QPoint(6, aspecto.HorizontalRB->height() / 2));
        QTest::mouseClick(aspecto.BtnOK, Qt::LeftButton);
    });
    m.item("mAspecto")->trigger();
    QCOMPARE(m.aparencia.Orientacao, int(kOrientacaoHorizontal));
    TImageForm* nova = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("depois.dec")));
    QVERIFY(nova);
    QVERIFY(alturas(nova) != vertical);
    QCOMPARE(alturas(aberta), alturas(nova));
    QCOMPARE(aberta->folha().PageHeight, nova->folha().PageHeight);
}

// "Salvar" writes the song over its file; "Fechar" asks about changes; the menu follows.
void MainWindowTest::saveAndCloseThroughTheMenu() {
    Montagem m;
    m.janela->show();
    m.janela->executarInicioAdiado();
    m.pasta.gravar(QStringLiteral("a.dec"), cancao(3));
    TImageForm* documento = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("a.dec")));
    QVERIFY(documento);
    m.abrirMenus();
    QVERIFY(m.item("mSalvar")->isEnabled());
    QVERIFY(m.item("mPainel")->isVisible());
    QVERIFY(documento->BtnSave->isEnabled());

    m.pasta.gravar(QStringLiteral("a.dec"), "trocado");
    m.item("mSalvar")->trigger();
    QCOMPARE(m.pasta.ler(QStringLiteral("a.dec")), cancao(3));

    // The menu's check marks reach the window.
    m.item("mPainel")->setChecked(false);
    QVERIFY(!documento->PanelT->isVisible());
    m.item("mBarras")->setChecked(false);
    QVERIFY(!documento->VertBar->isVisible());

    documento->marcarModificado();
    m.dialogs.respostas = {Resposta::Cancelar, Resposta::Nao};
    m.item("mFechar")->trigger();
    QCOMPARE(m.janela->numeroDocumentos(), 1);
    m.item("mFechar")->trigger();
    QTRY_COMPARE(m.janela->numeroDocumentos(), 0);
    QCOMPARE(m.dialogs.fechamentos.size(), size_t(2));
    QCOMPARE(m.dialogs.fechamentos[0].first, std::string("Cantiga"));
    QCOMPARE(m.pasta.ler(QStringLiteral("a.dec")), cancao(3));
    QTRY_VERIFY(m.painelVisivel());
}

// Answers the file window, when it comes up, by typing a name and confirming, or by
// cancelling when the name is empty; records the captions it was shown with.
struct RespostaArquivo : QObject {
    QStringList legendas;
    QStringList nomes;
    QTimer timer;
    RespostaArquivo() {
        timer.setInterval(10);
        connect(&timer, &QTimer::timeout, this, [this] {
            auto* janela = qobject_cast<TFileDlg*>(QApplication::activeModalWidget());
            if (!janela || !janela->isVisible()) return;
            legendas << janela->windowTitle();
            const QString nome = nomes.isEmpty() ? QString() : nomes.takeFirst();
            if (nome.isEmpty()) {
                janela->reject();
                return;
            }
            janela->Edit->setText(nome);
            janela->BtnOKClick();
        });
        timer.start();
    }
};

void MainWindowTest::openAndSaveAsThroughTheFileWindow() {
    Montagem m;
    m.iniciarComArquivos();
    m.pasta.gravar(QStringLiteral("Cantiga.dec"), cancao(4));
    RespostaArquivo resposta;
    resposta.nomes = {QStringLiteral("Cantiga"), QStringLiteral("Cópia.DEC")};

    m.abrirMenus();
    QVERIFY(m.item("mAbrir")->isEnabled());
    m.item("mAbrir")->trigger();
    QCOMPARE(m.janela->numeroDocumentos(), 1);
    TImageForm* documento = m.janela->documentoAtivo();
    QCOMPARE(documento->nomeArquivo(), m.pasta.arquivo(QStringLiteral("Cantiga.dec")));

    m.item("mSalvarComo")->trigger();
    const QString copia = m.pasta.arquivo(QStringLiteral("Cópia.DEC"));
    QCOMPARE(m.pasta.ler(QStringLiteral("Cópia.DEC")), cancao(4));
    QCOMPARE(documento->nomeArquivo(), copia);
    QCOMPARE(m.janela->windowTitle(), QStringLiteral(" Trovale 2.04 - ") + copia);
    QCOMPARE(resposta.legendas, QStringList({QStringLiteral(" Abrir arquivo existente"),
                                             QStringLiteral(" Salvar como ...")}));

    // Opening it again is refused by the file window itself.
    resposta.nomes = {QStringLiteral("Cópia.DEC"), QString()};
    m.item("mAbrir")->trigger();
    QCOMPARE(m.janela->numeroDocumentos(), 1);
    QCOMPARE(m.dialogs.avisos.back(), std::string("Operação bloqueada: arquivo (já) aberto."));
}

// "Sim" to the changes question of a song never saved asks for a name; cancelling that
// keeps the window, giving one saves and closes it.
void MainWindowTest::closingANewSongAsksForAName() {
    Montagem m;
    m.iniciarComArquivos();
    m.pasta.gravar(QStringLiteral("outra.dec"), cancao(2));
    QVERIFY(m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("outra.dec"))));
    TImageForm* nova = m.janela->abrirNovo();
    QCOMPARE(nova->nomeArquivo(), QStringLiteral("Sem título"));
    nova->marcarModificado();

    RespostaArquivo resposta;
    m.dialogs.respostas = {Resposta::Sim, Resposta::Sim};
    resposta.nomes = {QString(), QStringLiteral("nova")};
    m.item("mFechar")->trigger();
    QCOMPARE(m.janela->numeroDocumentos(), 2);
    QCOMPARE(resposta.legendas, QStringList{QStringLiteral(" Salvar como ...")});
    QCOMPARE(m.dialogs.fechamentos.back(),
             std::make_pair(std::string("Sem título"), std::string("Sem título")));

    m.item("mFechar")->trigger();
    // An empty song is not written, with its message, and closes as saved.
    QTRY_COMPARE(m.janela->numeroDocumentos(), 1);
    QCOMPARE(m.dialogs.avisos.back(), std::string("Documento vazio. Gravação cancelada."));
}

// A song typed into the text editor, confirmed, edited on the sheet, saved and opened again.
void MainWindowTest::aSongWrittenFromAnEmptyStart() {
    Montagem m;
    m.iniciarComArquivos(true);
    TLetraDlg& letra = *m.letra;

    QTimer digitador;
    digitador.setInterval(10);
    connect(&digitador, &QTimer::timeout, &letra, [&] {
        if (QApplication::activeModalWidget() != &letra || !letra.isVisible()) return;
        digitador.stop();
        QTest::keyClicks(letra.Memo, QStringLiteral("Cantiga da tarde\rMaria da Silva\r\r"
                                                    "C       G\rvamos cantar agora\r"
                                                    "Am\rna varanda"));
        letra.BtnOKClick();
    });
    digitador.start();
    m.item("mNovo")->trigger();
    TImageForm* documento = m.janela->documentoAtivo();
    QVERIFY(documento);
    const SongDocument& doc = documento->documento();
    QCOMPARE(doc.Lines.size(), size_t(7));
    QCOMPARE(doc.LineKinds, (std::vector<std::uint8_t>{0, 1, 2, 3, 2, 3, 2}));
    QVERIFY(doc.Modified);

    // G goes to the trash; C is copied to the panel and dropped over "na varanda".
    SheetEditor& editor = documento->editor();
    const AcordeArrastado g{*chordAt(doc, 3, 9), editor.identidade()};
    QVERIFY(editor.soltarNoLixo(g));
    const AcordeArrastado c{*chordAt(doc, 3, 1), editor.identidade()};
    editor.soltarNaCopia(c);
    int linha = 0;
    while (documento->folha().Columns[0][linha].Line != 6) ++linha;
    QVERIFY(editor.soltarNaFolha(0, linha, 40, {*documento->PanelCopia->acorde(), 0}));

    RespostaArquivo resposta;
    resposta.nomes = {QStringLiteral("tarde")};
    m.item("mSalvar")->trigger();
    QVERIFY(!doc.Modified);
    const QByteArray gravado = m.pasta.ler(QStringLiteral("tarde.dec"));
    QFile golden(QStringLiteral(TROVALE_SOURCE_DIR "/tests/ui/golden/cantiga_da_tarde.dec"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(gravado, golden.readAll());

    m.item("mFechar")->trigger();
    QTRY_COMPARE(m.janela->numeroDocumentos(), 0);
    TImageForm* reaberto = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("tarde.dec")));
    QVERIFY(reaberto);
    QCOMPARE(QByteArray::fromStdString(songFileText(reaberto->documento())), gravado);
}

// A UTF-8 text with tabs comes in through the file window and the text editor, and goes out
// again as the text another program reads.
void MainWindowTest::importAndExportThroughTheFileWindow() {
    Montagem m;
    m.iniciarComArquivos(true);
    TLetraDlg& letra = *m.letra;
    m.pasta.gravar(QStringLiteral("entrada.txt"),
                   QStringLiteral("Canção\n\n\tC\tAm\n\tVem cá, vem\n").toUtf8());
    RespostaArquivo resposta;
    resposta.nomes = {QStringLiteral("entrada")};
    QTimer confirma;
    confirma.setInterval(10);
    connect(&confirma, &QTimer::timeout, &letra, [&] {
        if (QApplication::activeModalWidget() == &letra && letra.isVisible()) letra.BtnOKClick();
    });
    confirma.start();
    m.item("mImportar")->trigger();
    TImageForm* documento = m.janela->documentoAtivo();
    QVERIFY(documento);
    QCOMPARE(documento->nomeArquivo(), QStringLiteral("Sem título"));
    QCOMPARE(documento->documento().LineKinds, (std::vector<std::uint8_t>{0, 1, 3, 2}));

    resposta.nomes = {QStringLiteral("saida")};
    m.item("mExportar")->trigger();
    QCOMPARE(m.pasta.ler(QStringLiteral("saida.txt")),
             QByteArray("Can\xE7\xE3o\r\n\r\n        C       Am\r\n        Vem c\xE1, vem\r\n"));
    QCOMPARE(resposta.legendas,
             QStringList({QStringLiteral(" Importar arquivo em formato texto"),
                          QStringLiteral(" Exportar arquivo em formato texto")}));

    // The PDF button of the song's tool panel asks for a name with the PDF mask.
    resposta.nomes = {QStringLiteral("saida")};
    QVERIFY(documento->BtnPdf->isEnabled());
    QTest::mouseClick(documento->BtnPdf, Qt::LeftButton);
    QVERIFY(m.pasta.ler(QStringLiteral("saida.pdf")).startsWith("%PDF-"));
    QCOMPARE(resposta.legendas.last(), QStringLiteral(" Exportar em PDF"));
    QCOMPARE(m.janelaArquivos->mascara(), QStringLiteral("*.pdf"));
}

// A song copied from a chord site comes in with "Colar cifra": its key a note, the refrain
// marked, the tablature kept as text; an empty clipboard says so and opens nothing.
void MainWindowTest::pastingASongFromASite() {
    Montagem m;
    m.iniciarComArquivos(true);
    TLetraDlg& letra = *m.letra;
    QGuiApplication::clipboard()->setText(QString());
    m.item("mColar")->trigger();
    QCOMPARE(m.dialogs.avisos,
             std::vector<std::string>{"A área de transferência não tem texto para colar."});
    QVERIFY(!m.janela->documentoAtivo());

    QGuiApplication::clipboard()->setText(QStringLiteral(
        "Asa Branca\r\nLuiz Gonzaga\r\n\r\nTom: G\r\n\r\n[Refrão]\r\nG   C\r\nQuando olhei\r\n"
        "\r\nE|--3--|\r\n"));
    QTimer confirma;
    confirma.setInterval(10);
    connect(&confirma, &QTimer::timeout, &letra, [&] {
        if (QApplication::activeModalWidget() == &letra && letra.isVisible()) letra.BtnOKClick();
    });
    confirma.start();
    m.item("mColar")->trigger();
    TImageForm* documento = m.janela->documentoAtivo();
    QVERIFY(documento);
    const SongDocument& doc = documento->documento();
    QCOMPARE(doc.LineKinds, (std::vector<std::uint8_t>{0, 1, 2, 8, 2, 8, 3, 6, 2, 2}));
    QCOMPARE(doc.Lines[3], std::string("Tom: G"));
    QCOMPARE(doc.Lines[5], std::string("Refr\xE3o"));
    QCOMPARE(doc.Lines[9], std::string("E|--3--|\xA0"));
}

// A ChordPro file comes in through the text editor with its own fingering, goes out as
// ChordPro, and two songs make a book: songs chosen in the file window, a title, a PDF.
void MainWindowTest::chordProInAndOutAndASongbook() {
    Montagem m;
    m.iniciarComArquivos(true);
    TLetraDlg& letra = *m.letra;
    m.pasta.gravar(QStringLiteral("vem.cho"),
                   "{title: Vem}\n{artist: Z\xC3\xA9}\n"
                   "{define: C base-fret 3 frets x 1 3 3 3 1}\n"
                   "[C]Vem c\xC3\xA1, [Am]vem\n");
    RespostaArquivo resposta;
    resposta.nomes = {QStringLiteral("vem.cho")};
    QTimer confirma;
    confirma.setInterval(10);
    QString tituloPedido;
    connect(&confirma, &QTimer::timeout, &letra, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == &letra && letra.isVisible()) letra.BtnOKClick();
        if (auto* pergunta = qobject_cast<TCadernoDlg*>(modal)) {
            tituloPedido = pergunta->LabelTitulo->text();
            pergunta->EditTitulo->setText(QStringLiteral("Festa"));
            pergunta->BtnOK->click();
        }
    });
    confirma.start();
    m.item("mImportar")->trigger();
    QCOMPARE(m.janelaArquivos->mascara(),
             QStringLiteral("*.txt;*.cho;*.crd;*.chopro;*.chordpro;*.pro"));
    TImageForm* documento = m.janela->documentoAtivo();
    QVERIFY(documento);
    const SongDocument& doc = documento->documento();
    QCOMPARE(doc.LineKinds, (std::vector<std::uint8_t>{0, 1, 3, 2}));
    QCOMPARE(doc.Lines[3], std::string("Vem c\xE1, vem"));
    const int c =
        static_cast<int>(std::find(doc.Chords.Symbols.begin(), doc.Chords.Symbols.end(), "Cf") -
                         doc.Chords.Symbols.begin());
    QVERIFY(c < doc.Chords.size());
    QCOMPARE(fretsDe(doc.Chords.Fingerings[static_cast<std::size_t>(c)]),
             std::string("x 3 5 5 5 3"));

    resposta.nomes = {QStringLiteral("saida")};
    m.item("mExportarCho")->trigger();
    QCOMPARE(m.pasta.ler(QStringLiteral("saida.cho")),
             QByteArray::fromStdString(chordProDaCancao(documento->documentoAtual())));
    QVERIFY(m.pasta.ler(QStringLiteral("saida.cho")).startsWith("{title: Vem}\n"));

    m.pasta.gravar(QStringLiteral("Cantiga.dec"), cancao(4));
    resposta.nomes = {QStringLiteral("Cantiga"), QStringLiteral("livro")};
    m.item("mCaderno")->trigger();
    QCOMPARE(tituloPedido, QStringLiteral("&Título do caderno (1 música):"));
    QVERIFY(m.pasta.ler(QStringLiteral("livro.pdf")).startsWith("%PDF-"));
    QCOMPARE(resposta.legendas.mid(resposta.legendas.size() - 2),
             QStringList({QStringLiteral(" Caderno de cifras: selecione ou anote as músicas"),
                          QStringLiteral(" Exportar caderno de cifras em PDF")}));
    QVERIFY(m.dialogs.avisos.empty());
}

// A song file whose title line is `titulo`, with a verse.
QByteArray cancaoIntitulada(const std::string& titulo) {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Lines = {titulo, "um verso"};
    doc.LineKinds = {kTitleLine, kLyricLine};
    return QByteArray::fromStdString(songFileText(doc));
}

void MainWindowTest::aSongbookTakesOpenSongsInTheChosenOrder_data() {
    QTest::addColumn<bool>("alfabetica");
    QTest::addColumn<QStringList>("titulos");  // of the book's pages 3 and 4
    QTest::newRow("the order set in the window") << false << QStringList{"Zeta editada", "Alfa"};
    QTest::newRow("by title") << true << QStringList{"Alfa", "Zeta editada"};
}

// Two songs noted in the file window, one of them open with an unsaved change: the book takes
// that one as its window shows it, in the order set in the songbook window (or by title), and
// the open song stays unsaved.
void MainWindowTest::aSongbookTakesOpenSongsInTheChosenOrder() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils is not installed");
    QFETCH(bool, alfabetica);
    QFETCH(QStringList, titulos);
    Montagem m;
    m.iniciarComArquivos(true);
    m.pasta.gravar(QStringLiteral("a.dec"), cancaoIntitulada("Alfa"));
    m.pasta.gravar(QStringLiteral("z.dec"), cancaoIntitulada("Zeta"));
    TImageForm* aberta = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("z.dec")));
    QVERIFY(aberta);
    aberta->editor().editarLinha(0, 4);
    QTest::keyClicks(aberta->grade(0), QStringLiteral(" editada"));
    QCOMPARE(aberta->documento().Lines[0], std::string("Zeta editada"));

    QStringList listadas;
    QTimer respostas;
    respostas.setInterval(10);
    int arquivos = 0;
    connect(&respostas, &QTimer::timeout, m.janela.get(), [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* janela = qobject_cast<TFileDlg*>(modal); janela && janela->isVisible()) {
            if (arquivos++ == 0) {
                janela->Lista->selectAll();
                janela->BtnAnotaClick();
            } else {
                janela->Edit->setText(QStringLiteral("livro"));
            }
            janela->BtnOKClick();
        } else if (auto* caderno = qobject_cast<TCadernoDlg*>(modal);
                   caderno && caderno->isVisible()) {
            for (int i = 0; i < caderno->ListaMusicas->count(); ++i)
                listadas << caderno->ListaMusicas->item(i)->text();
            caderno->ListaMusicas->setCurrentRow(1);
            caderno->BtnSubir->click();
            if (alfabetica) caderno->CheckAlfabetica->click();
            caderno->BtnOK->click();
        }
    });
    respostas.start();
    m.abrirMenus();
    m.item("mCaderno")->trigger();
    respostas.stop();
    QCOMPARE(listadas, (QStringList{"a", "z"}));
    const QString pdf = m.pasta.arquivo(QStringLiteral("livro.pdf"));
    QStringList vistos;
    for (const char* pagina : {"3", "4"}) {
        QProcess texto;
        texto.start(QStringLiteral("pdftotext"), {"-f", pagina, "-l", pagina, pdf, "-"});
        QVERIFY(texto.waitForFinished(20000));
        vistos << QString::fromUtf8(texto.readAllStandardOutput()).split('\n').first().trimmed();
    }
    QCOMPARE(vistos, titulos);
    QVERIFY(aberta->documento().Modified);
    QCOMPARE(m.pasta.ler(QStringLiteral("z.dec")), cancaoIntitulada("Zeta"));
    QVERIFY(m.dialogs.avisos.empty());
}

void MainWindowTest::startPanel() {
    Montagem m;
    m.janela->resize(1100, 800);
    m.janela->show();
    PainelInicial* painel = m.janela->painel();
    QCOMPARE(painel->objectName(), QStringLiteral("PanelPrinc"));
    QCOMPARE(painel->LabelVersao->text(), QStringLiteral("Versão 2.04"));
    QCOMPARE(painel->BtnNew->toolTip(), QStringLiteral("Documento novo (criar)"));
    QCOMPARE(painel->BtnOpen->toolTip(), QStringLiteral("Abrir documento (arquivo)"));
    QCOMPARE(painel->BtnAcorde->toolTip(),
             QStringLiteral("Consultar banco de acordes e digitações"));

    // The picture at its 96-dpi size, centred, the version at its lower right corner.
    QCOMPARE(painel->Image1->size(), kTamanhoFiguraInicial);
    const QPoint folga = painel->rect().center() - painel->Image1->geometry().center();
    QVERIFY2(qAbs(folga.x()) <= 1 && qAbs(folga.y()) <= 1, "picture not centred");
    const QRect versao = painel->LabelVersao->geometry();
    QVERIFY(painel->Image1->rect().contains(versao));
    QVERIFY(versao.right() > kTamanhoFiguraInicial.width() - 20);
    QVERIFY(versao.bottom() > kTamanhoFiguraInicial.height() - 20);

    // A button runs its item, and can be used exactly when the item can.
    QAction* novo = m.item("mNovo");
    QSignalSpy executado(novo, &QAction::triggered);
    novo->setEnabled(true);
    QVERIFY(painel->BtnNew->isEnabled());
    QTest::mouseClick(painel->BtnNew, Qt::LeftButton);
    QCOMPARE(executado.count(), 1);
}

QTEST_MAIN(MainWindowTest)
namespace {

std::vector<std::uint8_t> tiposDeAcordes(const SongDocument& doc) {
    std::vector<std::uint8_t> tipos;
    for (std::uint8_t tipo : doc.LineKinds)
        if (isChordKind(tipo)) tipos.push_back(tipo);
    return tipos;
}

}  // namespace

void MainWindowTest::templateAppliedCancelledAndUndone_data() {
    QTest::addColumn<bool>("confirmar");
    QTest::newRow("Aplicar, then Cancelar") << false;
    QTest::newRow("Aplicar, then OK, then undo") << true;
}

// "Letra com diagramas intercalados" turns the chord rows into diagram rows at "Aplicar";
// cancelling puts everything back, confirming is one undo step.
void MainWindowTest::templateAppliedCancelledAndUndone() {
    QFETCH(bool, confirmar);
    Montagem m;
    Modelo padrao = modeloDeFabrica();
    TModelForm modelo(padrao, m.fs, m.pasta.pasta(), m.dialogs);
    m.janela->setModelo(&modelo);
    m.iniciarComArquivos();
    m.pasta.gravar(QStringLiteral("a.dec"), cancaoComAcordes(3));
    TImageForm* documento = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("a.dec")));
    QVERIFY(documento);
    const SongDocument antes = documento->documento();
    std::vector<std::uint8_t> aplicados;
    QTimer::singleShot(0, &modelo, [&] {
        modelo.RBLD->click();
        modelo.BtnAplicar->click();
        aplicados = tiposDeAcordes(documento->documento());
        QTest::mouseClick(confirmar ? modelo.OKBtn : modelo.CancelBtn, Qt::LeftButton);
    });
    m.abrirMenus();
    m.item("mModelo")->trigger();
    QCOMPARE(aplicados, std::vector<std::uint8_t>(3, kDiagramChordLine));
    const SongDocument& doc = documento->documento();
    QCOMPARE(doc.Template.Presentation, confirmar ? 2 : 1);
    QCOMPARE(doc.Modified, confirmar);
    if (confirmar) {
        QVERIFY(documento->editor().desfazer());
        QVERIFY(!doc.Modified);
    }
    QCOMPARE(doc.Template, antes.Template);
    QCOMPARE(doc.LineKinds, antes.LineKinds);
}

// From "Definir significado das linhas" the labels float beside the song; a lyric row takes
// the kind of the label dropped on it, a chord row or a title under chords does not.
void MainWindowTest::lineMeaningsDraggedFromTheTemplate() {
    Montagem m;
    Modelo padrao = modeloDeFabrica();
    TModelForm modelo(padrao, m.fs, m.pasta.pasta(), m.dialogs);
    m.janela->setModelo(&modelo);
    m.iniciarComArquivos();
    m.pasta.gravar(QStringLiteral("a.dec"), cancaoComAcordes(2));
    TImageForm* documento = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("a.dec")));
    QVERIFY(documento->BtnDrag->isEnabled());
    QTest::mouseClick(documento->BtnDrag, Qt::LeftButton);
    QVERIFY(modelo.modoArrastar());
    QVERIFY(modelo.isVisible() && !modelo.isModal());

    SheetEditor& editor = documento->editor();
    QVERIFY(editor.soltarElemento(0, 1, kRefrainLine));   // "la" under the first chord
    QVERIFY(!editor.soltarElemento(0, 0, kRefrainLine));  // the chord row itself
    QVERIFY(!editor.soltarElemento(0, 3, kTitleLine));    // a lyric under a chord line
    QCOMPARE(documento->documento().LineKinds,
             (std::vector<std::uint8_t>{kChordLine, kRefrainLine, kChordLine, kLyricLine}));
    QVERIFY(documento->documento().Modified);
    QVERIFY(editor.desfazer());
    QCOMPARE(documento->documento().LineKinds[1], kLyricLine);
    modelo.reject();
}

// The main window with its template and page setup windows, past its start.
struct ComPaginaEModelo {
    Modelo modeloPadrao = modeloDeFabrica();
    PageLayout layoutPadrao = layoutDeFabrica();
    TModelForm modelo;
    TPageForm pagina;
    explicit ComPaginaEModelo(Montagem& m)
        : modelo(modeloPadrao, m.fs, m.pasta.pasta(), m.dialogs),
          pagina(layoutPadrao, m.fs, m.pasta.pasta(), m.dialogs) {
        m.janela->setModelo(&modelo);
        m.janela->setPagina(&pagina);
        m.iniciarComArquivos();
    }
};

void MainWindowTest::pageSetupPreviewsThenKeepsOrRestores_data() {
    QTest::addColumn<bool>("confirmar");
    QTest::newRow("Cancelar") << false;
    QTest::newRow("Confirmar, then undo") << true;
}

// Two columns and "Só letra" chosen from the page setup window reach the song at once; a
// cancel puts layout and template back, a confirmation is one undo step.
void MainWindowTest::pageSetupPreviewsThenKeepsOrRestores() {
    QFETCH(bool, confirmar);
    Montagem m;
    ComPaginaEModelo janelas(m);
    TModelForm& modelo = janelas.modelo;
    TPageForm& pagina = janelas.pagina;
    m.pasta.gravar(QStringLiteral("a.dec"), cancaoComAcordes(40));
    TImageForm* documento = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("a.dec")));
    const SongDocument antes = documento->documento();
    const int paginasAntes = documento->folha().PageCount;
    int colunasVistas = 0, paginasVistas = 0;
    QTimer::singleShot(0, &pagina, [&] {
        QTest::mouseClick(pagina.SpeedButton2, Qt::LeftButton);
        colunasVistas = documento->documento().Layout.numColunas;
        // The template window opens from inside the page setup window's own loop.
        std::function<void()> responderModelo = [&] {
            if (!modelo.isVisible()) return QTimer::singleShot(10, &modelo, responderModelo);
            modelo.RBSL->click();
            modelo.OKBtn->click();
        };
        QTimer::singleShot(10, &modelo, responderModelo);
        QTest::mouseClick(pagina.BtnModel, Qt::LeftButton);
        paginasVistas = documento->folha().PageCount;
        QTest::mouseClick(confirmar ? pagina.BtnOK : pagina.BtnCancel, Qt::LeftButton);
    });
    m.item("mConfigurar")->trigger();
    QCOMPARE(colunasVistas, 2);
    QVERIFY(paginasVistas < paginasAntes);
    const SongDocument& doc = documento->documento();
    QCOMPARE(doc.Modified, confirmar);
    QCOMPARE(doc.Layout.numColunas, confirmar ? 2 : 1);
    QCOMPARE(doc.Template.Presentation, confirmar ? 0 : 1);
    if (confirmar) QVERIFY(documento->editor().desfazer());
    QCOMPARE(doc.Layout, antes.Layout);
    QCOMPARE(doc.Template, antes.Template);
    QCOMPARE(documento->folha().PageCount, paginasAntes);
    QVERIFY(!documento->editor().desfazer());
}

// From page setup, "Definir modelo de apresentação": a template applied and then cancelled
// leaves the song as it was before the template window opened, and page setup's "OK" with
// nothing else changed leaves it unmodified.
void MainWindowTest::aTemplateCancelledInPageSetupPutsTheSongBack() {
    Montagem m;
    ComPaginaEModelo janelas(m);
    TModelForm& modelo = janelas.modelo;
    TPageForm& pagina = janelas.pagina;
    m.pasta.gravar(QStringLiteral("a.dec"), cancaoComAcordes(3));
    TImageForm* documento = m.janela->abrirArquivo(m.pasta.arquivo(QStringLiteral("a.dec")));
    const SongDocument antes = documento->documento();
    std::vector<std::uint8_t> aplicados, depois;
    Modelo modeloDepois;
    QTimer::singleShot(0, &pagina, [&] {
        std::function<void()> responderModelo = [&] {
            if (!modelo.isVisible()) return QTimer::singleShot(10, &modelo, responderModelo);
            modelo.RBLD->click();
            modelo.BtnAplicar->click();
            aplicados = tiposDeAcordes(documento->documento());
            modelo.CancelBtn->click();
        };
        QTimer::singleShot(10, &modelo, responderModelo);
        QTest::mouseClick(pagina.BtnModel, Qt::LeftButton);
        depois = documento->documento().LineKinds;
        modeloDepois = documento->documento().Template;
        QTest::mouseClick(pagina.BtnOK, Qt::LeftButton);
    });
    m.item("mConfigurar")->trigger();
    QCOMPARE(aplicados, std::vector<std::uint8_t>(3, kDiagramChordLine));
    QCOMPARE(depois, antes.LineKinds);
    QCOMPARE(modeloDepois, antes.Template);
    QVERIFY(!documento->documento().Modified);
    QCOMPARE(documento->documento().Template, antes.Template);
    QVERIFY(!documento->editor().desfazer());
}

#include "main_window_test.moc"
