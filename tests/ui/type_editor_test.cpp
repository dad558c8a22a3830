// The chord type editor driven as a musician drives it, on the shipped catalogue copied to a
// temporary program folder: clicks in the interval list, the name typed, symbols typed and
// dragged into the grid, the task buttons, and what the messages and the catalogue say.

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "base/file_system.h"
#include "catalogue/catalogue_files.h"
#include "fingering/fingering_builders.h"
#include "support/recording_dialogs.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/type_editor/interval_list.h"
#include "ui/type_editor/symbol_grid.h"
#include "ui/type_editor/symbol_preview.h"
#include "ui/type_editor/tipos_form.h"

using namespace trovale;

namespace {

const QString kLembrete = QStringLiteral(
    "Todas as alterações feitas nos acordes, mesmo confirmadas, precisam ser gravadas "
    "posteriormente (ver \"Acordes\" no menu principal). A urgência ou frequência para isto "
    "depende do volume de modificações e fica a seu critério. Esta mensagem não será repetida.");
constexpr int kDo = 4;

int codigo(const QString& nome) {
    for (int c = 1; c <= kMaxCodigoIntervalo; ++c)
        if (QString::fromUtf8(TabelaIntervalos[c].nome.data(), TabelaIntervalos[c].nome.size()) ==
            nome)
            return c;
    return 0;
}

// Typed character by character, accents included (QTest's key clicks take ASCII only).
void teclar(QWidget* alvo, const QString& texto) {
    for (const QChar c : texto) {
        QKeyEvent tecla(QEvent::KeyPress, c.isLetter() ? Qt::Key_A : Qt::Key_unknown,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(alvo, &tecla);
    }
}

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
    testing::RecordingDialogs dialogs;
    LembreteGravacao lembrete;
    std::unique_ptr<TTiposForm> janela;

    Editor() {
        AbrirCatalogo(pasta.arquivos(), catalogo, dialogs);
        janela = std::make_unique<TTiposForm>(catalogo, dialogs, lembrete);
        janela->preparar();
        janela->show();
    }
    QStringList avisos() const {
        QStringList vistos;
        for (const std::string& a : dialogs.avisos) vistos << QString::fromStdString(a);
        return vistos;
    }
    void clicar(const QString& intervalo) {
        IntervalList& lista = *janela->ListBox1;
        const QRect caixa = lista.visualItemRect(lista.itemDoCodigo(codigo(intervalo)));
        QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, caixa.center());
    }
    QString marcados() const {
        QStringList nomes;
        for (int c = 1; c <= kMaxCodigoIntervalo; ++c)
            if (janela->ListBox1->marcado(c))
                nomes << janela->ListBox1->itemDoCodigo(c)->text().section(' ', 0, 0);
        return nomes.join(' ');
    }
    void escolher(const QString& legenda) {
        janela->ComboBox->setCurrentIndex(janela->ComboBox->findText(legenda));
    }
    void nomear(const QString& nome) {
        janela->EditNome->selectAll();
        teclar(janela->EditNome, nome);
    }
    // Types into a cell of the symbol grid as a user does, ending with Enter.
    void digitar(int linha, int coluna, const QString& texto) {
        SymbolGrid& g = *janela->StringGrid;
        g.setCurrentCell(linha, coluna);
        teclar(&g, texto.left(1));  // opens the cell's editor with this key
        QWidget* editor = g.indexWidget(g.currentIndex());
        QVERIFY(editor);
        teclar(editor, texto.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // Enter commits the cell through the event loop
    }
    // "Incluir" with these intervals, name and standard symbol typed in aligned cells.
    void incluir(const QStringList& intervalos, const QString& nome, const QStringList& cifra) {
        janela->BtnInclude->click();
        for (const QString& i : intervalos) clicar(i);
        nomear(nome);
        if (!cifra.isEmpty()) {
            janela->BtnEditarPadrao->click();
            for (int k = 0; k < cifra.size(); ++k)
                if (!cifra[k].isEmpty()) digitar(2, k + 1, cifra[k]);
            janela->BtnConfirmEdit->click();
        }
        janela->BtnConfirmTask->click();
    }
    // A C7 without fifth, x 3 2 3 x x, catalogued for the type at the end of the list.
    int catalogarNoUltimo() {
        const int tipo = catalogo.tipos.OrdemTipos.back();
        testing::catalogarDireto(catalogo, testing::dedilhado("x 3 2 3 x x"), kDo, tipo);
        return tipo;
    }
};

const QStringList kSemQuinta = {QStringLiteral("3"), QStringLiteral("b7")};
const QString kNomeSemQuinta = QStringLiteral("Maior com 7ª sem 5ª");
const QStringList kCifraSemQuinta = {QStringLiteral("7"), {}, {}, QStringLiteral("no5")};

}  // namespace

class TypeEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void clicksUntickWhatCannotSoundTogether_data();
    void clicksUntickWhatCannotSoundTogether();
    void confirmationRefusalsKeepTheTaskOpen_data();
    void confirmationRefusalsKeepTheTaskOpen();
    void aNewTypeGoesToTheEndWithItsSymbol();
    void aTypeSoundingLikeAnotherIsCalledItsSynonym();
    void deletingEntrySixtyOfSixtySelectsFiftyNine();
    void alteringOnlyTheNameKeepsTheFingerings();
    void alteringTheIntervalsDeletesFingeringsOnlyOnYes_data();
    void alteringTheIntervalsDeletesFingeringsOnlyOnYes();
    void basicTypesAndSeparatorsAreProtected();
    void theHundredAndFirstTypeIsRefused();
    void creationFromAFingeringArrivesWithItsIntervals();
    void theSymbolGridRefusesWhatCannotBeWritten_data();
    void theSymbolGridRefusesWhatCannotBeWritten();
    void intervalsAndCellsAreDraggedIntoTheGrid();
};

void TypeEditorTest::clicksUntickWhatCannotSoundTogether_data() {
    QTest::addColumn<QStringList>("cliques");
    QTest::addColumn<QString>("marcados");
    QTest::newRow("b3 after 3") << QStringList{"3", "5", "b3"} << "b3 5";
    QTest::newRow("bb7 after 6 and b7") << QStringList{"6", "b7", "bb7"} << "bb7";
    QTest::newRow("a second click unticks") << QStringList{"9", "9"} << "";
}

void TypeEditorTest::clicksUntickWhatCannotSoundTogether() {
    QFETCH(QStringList, cliques);
    QFETCH(QString, marcados);
    Editor e;
    e.janela->BtnInclude->click();
    QCOMPARE(e.janela->LabelTask->text(), QStringLiteral("Incluindo item"));
    for (const QString& c : cliques) e.clicar(c);
    QCOMPARE(e.marcados(), marcados);
}

void TypeEditorTest::confirmationRefusalsKeepTheTaskOpen_data() {
    QTest::addColumn<QStringList>("intervalos");
    QTest::addColumn<QStringList>("cifra");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("a sixth interval")
        << QStringList{"3", "5", "b7", "9", "#11", "13"} << QStringList{"13"}
        << QStringLiteral(
               "Confirmação rejeitada. Cada acorde é limitado a 5 acidentes ou "
               "intervalos (6 notas, considerando a nota fundamental).");
    QTest::newRow("a second empty standard symbol")
        << kSemQuinta << QStringList()
        << QStringLiteral(
               "Confirmação rejeitada. Cifra padrão igual a uma das cifras do "
               "acorde: \"Maior\".");
}

void TypeEditorTest::confirmationRefusalsKeepTheTaskOpen() {
    QFETCH(QStringList, intervalos);
    QFETCH(QStringList, cifra);
    QFETCH(QString, mensagem);
    Editor e;
    e.incluir(intervalos, QStringLiteral("Novo"), cifra);
    QCOMPARE(e.avisos(), QStringList{mensagem});
    QCOMPARE(e.janela->tarefa(), Tarefa::Inclusao);
    QVERIFY(!e.janela->BtnClose->isEnabled());
    QCOMPARE(e.catalogo.tipos.NumTipos, kTiposBasicos);
    QVERIFY(!e.catalogo.TiposAlterados);
    e.janela->BtnCancelTask->click();
    QCOMPARE(e.janela->tarefa(), Tarefa::Nenhuma);
    QVERIFY(e.janela->BtnClose->isEnabled());
}

void TypeEditorTest::aNewTypeGoesToTheEndWithItsSymbol() {
    Editor e;
    const int entradas = e.catalogo.tipos.NumEntradas();
    e.incluir(kSemQuinta, kNomeSemQuinta, kCifraSemQuinta);
    QCOMPARE(e.avisos(), QStringList{kLembrete});
    QCOMPARE(e.janela->tarefa(), Tarefa::Nenhuma);
    QCOMPARE(e.janela->ComboBox->count(), entradas + 1);
    QCOMPARE(e.janela->ComboBox->currentIndex(), entradas);
    QCOMPARE(e.janela->ComboBox->currentText(), kNomeSemQuinta);
    const TTipoAcorde& novo = e.catalogo.tipos.tipo(kTiposBasicos + 1);
    QCOMPARE(QByteArray::fromStdString(novo.Nome), QByteArray("Maior com 7\xAA sem 5\xAA"));
    QVERIFY(novo.CifraPadrao == (ElementosCifra{{{"7", ""}, {}, {}, {"no5", ""}}}));
    QVERIFY(e.janela->ImagemPadrao->cifra() == novo.CifraPadrao);
    QVERIFY(e.catalogo.TiposAlterados);
    // The reminder comes once a run.
    e.incluir({"2", "5", "13"}, QStringLiteral("Sus2 com 13ª"), {"sus2", {}, {}, "13"});
    QCOMPARE(e.avisos(), QStringList{kLembrete});
}

void TypeEditorTest::aTypeSoundingLikeAnotherIsCalledItsSynonym() {
    Editor e;
    e.incluir({"3", "5", "13"}, QStringLiteral("Maior com 13ª"), {{}, {}, {}, "13"});
    QCOMPARE(e.avisos(), (QStringList{QStringLiteral("Acorde sinônimo: Maior com 6ª"), kLembrete}));
}

void TypeEditorTest::deletingEntrySixtyOfSixtySelectsFiftyNine() {
    Editor e;
    // Without its first and last separators the shipped list has 59 entries.
    CatalogoTipos& tipos = e.catalogo.tipos;
    for (int k : {tipos.NumEntradas() - 1, 0}) {
        tipos.OrdemTipos.erase(tipos.OrdemTipos.begin() + k);
        tipos.Legendas.erase(tipos.Legendas.begin() + k);
    }
    e.janela->preparar();
    e.incluir(kSemQuinta, kNomeSemQuinta, kCifraSemQuinta);
    QCOMPARE(e.janela->ComboBox->count(), 60);
    QCOMPARE(e.janela->ComboBox->currentIndex(), 59);
    e.janela->BtnExclude->click();
    QCOMPARE(e.janela->LabelTask->text(), QStringLiteral("Excluindo item abaixo"));
    QVERIFY(!e.janela->ListBox1->isEnabled());
    e.janela->BtnConfirmTask->click();
    QVERIFY(e.dialogs.perguntas.empty());  // no fingerings, no question
    QCOMPARE(e.janela->ComboBox->count(), 59);
    QCOMPARE(e.janela->ComboBox->currentIndex(), 58);
    QCOMPARE(e.janela->ComboBox->currentText(), QStringLiteral("Diminuto com 11ª"));
    QCOMPARE(e.marcados(), QStringLiteral("b3 b5 bb7 11"));
    QVERIFY(!e.catalogo.tipos.existe(kTiposBasicos + 1));
}

void TypeEditorTest::alteringOnlyTheNameKeepsTheFingerings() {
    Editor e;
    e.incluir(kSemQuinta, kNomeSemQuinta, kCifraSemQuinta);
    const int tipo = e.catalogarNoUltimo();
    e.janela->BtnModify->click();
    QCOMPARE(e.janela->LabelTask->text(), QStringLiteral("Alterando item abaixo"));
    e.nomear(QStringLiteral("Sétima sem quinta"));
    e.clicar(QStringLiteral("b7"));  // off and on again: the same intervals
    e.clicar(QStringLiteral("b7"));
    e.janela->BtnConfirmTask->click();
    QVERIFY(e.dialogs.perguntas.empty());
    QVERIFY(e.catalogo.digitacoes.TemDigitacoes(tipo));
    QVERIFY(!e.catalogo.GravarJuntos);
    QCOMPARE(e.janela->ComboBox->currentText(), QStringLiteral("Sétima sem quinta"));
    QCOMPARE(QByteArray::fromStdString(e.catalogo.tipos.Legendas.back()),
             QByteArray("S\xE9tima sem quinta"));
}

void TypeEditorTest::alteringTheIntervalsDeletesFingeringsOnlyOnYes_data() {
    QTest::addColumn<bool>("sim");
    QTest::newRow("Não") << false;
    QTest::newRow("Sim") << true;
}

void TypeEditorTest::alteringTheIntervalsDeletesFingeringsOnlyOnYes() {
    QFETCH(bool, sim);
    Editor e;
    e.incluir(kSemQuinta, kNomeSemQuinta, kCifraSemQuinta);
    const int tipo = e.catalogarNoUltimo();
    e.dialogs.respostas = {sim ? Resposta::Sim : Resposta::Nao};
    e.janela->BtnModify->click();
    e.clicar(QStringLiteral("9"));
    e.janela->BtnConfirmTask->click();
    QCOMPARE(e.dialogs.perguntas.size(), std::size_t{1});
    QCOMPARE(e.dialogs.perguntas[0].first, 1);
    QCOMPARE(e.catalogo.digitacoes.TemDigitacoes(tipo), !sim);
    QCOMPARE(e.catalogo.GravarJuntos, sim);
    QCOMPARE(e.catalogo.DigitacoesAlteradas, sim);
    QCOMPARE(e.janela->tarefa(), sim ? Tarefa::Nenhuma : Tarefa::Alteracao);
    QCOMPARE(e.catalogo.tipos.tipo(tipo).Intervalos[2], std::uint8_t(sim ? codigo("9") : 0));
}

void TypeEditorTest::basicTypesAndSeparatorsAreProtected() {
    Editor e;
    const QString basico =
        QString::fromUtf8(kMensagemTipoBasico.data(), kMensagemTipoBasico.size());
    e.escolher(QStringLiteral("-------- Tétrades --------"));
    e.janela->BtnModify->click();
    e.escolher(QStringLiteral("Maior com 7ª"));
    e.janela->BtnExclude->click();
    QCOMPARE(e.janela->tarefa(), Tarefa::Nenhuma);
    // Altering a basic type: its name and optional symbol only.
    e.janela->BtnModify->click();
    QCOMPARE(e.avisos(),
             (QStringList{QStringLiteral("Para editar os separadores recorra à edição da ordem "
                                         "de apresentação."),
                          basico, basico}));
    QCOMPARE(e.janela->tarefa(), Tarefa::Alteracao);
    QVERIFY(!e.janela->BtnEditarPadrao->isEnabled());
    QVERIFY(e.janela->BtnEditarOpcional->isEnabled());
    e.clicar(QStringLiteral("9"));
    QCOMPARE(e.marcados(), QStringLiteral("3 5 b7"));
}

void TypeEditorTest::theHundredAndFirstTypeIsRefused() {
    Editor e;
    CatalogoTipos& tipos = e.catalogo.tipos;
    for (int t = kTiposBasicos + 1; t <= kMaxTipos; ++t) {
        tipos.TiposAcorde[t] = TTipoAcorde{"Tipo " + std::to_string(t), {3, 6, 0, 0, 0}, {}, {}};
        tipos.OrdemTipos.push_back(t);
        tipos.Legendas.push_back(tipos.TiposAcorde[t].Nome);
    }
    tipos.NumTipos = kMaxTipos;
    e.janela->preparar();
    e.janela->BtnInclude->click();
    QCOMPARE(e.avisos(), QStringList{QStringLiteral("Limite de tipos de acorde já atingido.")});
    QCOMPARE(e.janela->tarefa(), Tarefa::Nenhuma);
}

void TypeEditorTest::creationFromAFingeringArrivesWithItsIntervals() {
    for (const bool confirma : {true, false}) {
        Editor e;
        e.janela->hide();
        e.janela->prepararCriacao({kDo, "C", {3, 10, 13, 0, 0}});
        e.janela->show();
        QCOMPARE(e.janela->tarefa(), Tarefa::Inclusao);
        QCOMPARE(e.marcados(), QStringLiteral("3 b7 9"));
        QVERIFY(e.janela->EditNome->isEnabled());
        e.nomear(QStringLiteral("Maior com 7ª e 9ª sem 5ª"));
        e.janela->BtnEditarPadrao->click();
        for (const auto& [coluna, texto] : {std::pair{1, "7"}, {3, "no5"}, {4, "9"}})
            e.digitar(2, coluna, QString::fromLatin1(texto));
        e.janela->BtnConfirmEdit->click();
        (confirma ? e.janela->BtnConfirmTask : e.janela->BtnCancelTask)->click();
        QVERIFY(!e.janela->isVisible());
        QCOMPARE(e.janela->result(), confirma ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(e.janela->tipoCriado(), confirma ? kTiposBasicos + 1 : 0);
        QCOMPARE(e.catalogo.tipos.NumTipos, kTiposBasicos + (confirma ? 1 : 0));
    }
}

void TypeEditorTest::theSymbolGridRefusesWhatCannotBeWritten_data() {
    QTest::addColumn<QString>("superior");  // typed in the superscript cell of column 1
    QTest::addColumn<QString>("alinhado");  // then in the aligned cell of the same column
    QTest::addColumn<QStringList>("celulas");
    QTest::addColumn<QStringList>("mensagens");
    const QString centrais =
        QString::fromUtf8(kMensagemTextosCentrais.data(), kMensagemTextosCentrais.size());
    QTest::newRow("aligned under a superscript")
        << "7"
        << "m" << QStringList{"7", ""} << QStringList{centrais};
    QTest::newRow("a fifth character")
        << "add9x"
        << "" << QStringList{"add9", ""}
        << QStringList{QStringLiteral("Cada elemento da cifra é limitado a 4 dígitos.")};
    QTest::newRow("blanks, slashes and parentheses")
        << "(b 9/)"
        << "" << QStringList{"b9", ""} << QStringList();
}

void TypeEditorTest::theSymbolGridRefusesWhatCannotBeWritten() {
    QFETCH(QString, superior);
    QFETCH(QString, alinhado);
    QFETCH(QStringList, celulas);
    QFETCH(QStringList, mensagens);
    Editor e;
    e.janela->BtnInclude->click();
    e.janela->BtnEditarPadrao->click();
    QCOMPARE(e.janela->LabelCifra->text(), QStringLiteral("Editando cifra padrão"));
    QVERIFY(!e.janela->BtnConfirmTask->isEnabled());
    e.digitar(1, 1, superior);
    if (!alinhado.isEmpty()) e.digitar(2, 1, alinhado);
    SymbolGrid& g = *e.janela->StringGrid;
    QCOMPARE((QStringList{g.item(1, 1)->text(), g.item(2, 1)->text()}), celulas);
    QCOMPARE(e.avisos(), mensagens);
}

void TypeEditorTest::intervalsAndCellsAreDraggedIntoTheGrid() {
    Editor e;
    e.janela->BtnInclude->click();
    for (const char* i : {"b3", "5", "b7"}) e.clicar(QString::fromLatin1(i));
    e.janela->BtnEditarPadrao->click();
    SymbolGrid& g = *e.janela->StringGrid;
    const auto soltar = [&g](QMimeData* dados, int linha, int coluna) {
        std::unique_ptr<QMimeData> mime(dados);
        const QPoint ponto = g.visualItemRect(g.item(linha, coluna)).center();
        QDragEnterEvent entrada(ponto, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(g.viewport(), &entrada);
        QDropEvent solto(QPointF(ponto), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QApplication::sendEvent(g.viewport(), &solto);
    };
    e.digitar(2, 1, QStringLiteral("m"));
    soltar(mimeDoIntervalo(codigo("b7")), 1, 2);
    soltar(mimeDoIntervalo(codigo("5")), 0, 3);  // the title row takes nothing
    soltar(mimeDoIntervalo(codigo("5")), 2, 0);  // nor the title column
    QVERIFY(e.janela->ImagemPadrao->cifra() == (ElementosCifra{{{"m", ""}, {"<b7", ""}}}));
    soltar(mimeDaCelula(1, 2), 1, 4);  // b7 raised into the parentheses
    soltar(mimeDaCelula(1, 4), 1, 1);  // refused: column 1 has its aligned m
    QCOMPARE(g.item(1, 2)->text(), QString());
    QCOMPARE(g.item(1, 4)->text(), QStringLiteral("b7"));
    QCOMPARE(e.avisos(), QStringList{QString::fromUtf8(kMensagemTextosCentrais.data(),
                                                       kMensagemTextosCentrais.size())});
    const ElementosCifra esperado{{{"m", ""}, {}, {}, {"<b7", ""}}};
    QVERIFY(e.janela->ImagemPadrao->cifra() == esperado);
    // Cancelling puts the symbol back as it was; confirming keeps the grid's.
    e.janela->BtnCancelEdit->click();
    QVERIFY(e.janela->ImagemPadrao->cifra() == ElementosCifra{});
    e.janela->BtnEditarPadrao->click();
    e.digitar(2, 1, QStringLiteral("m"));
    soltar(mimeDoIntervalo(codigo("b7")), 1, 4);
    e.janela->BtnConfirmEdit->click();
    QVERIFY(e.janela->registro().cifraPadrao == esperado);
    QVERIFY(e.janela->BtnConfirmTask->isEnabled());
}

QTEST_MAIN(TypeEditorTest)
#include "type_editor_test.moc"
