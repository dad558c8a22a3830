// The transposition window driven as a musician drives it: semitone steps, the key chord's
// spelling deciding the others, twelve steps coming back, a spelling changed in review, the
// fingering picked in the browser beside, and the song window renaming its chords as one
// undo step.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "base/file_system.h"
#include "catalogue/catalogue_files.h"
#include "document/chord_renaming.h"
#include "support/recording_dialogs.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/chord_choice/select_form.h"
#include "ui/transposition/trans_form.h"

using namespace trovale;

namespace {

struct Janela {
    QTemporaryDir pasta;
    DiskFileSystem fs;
    Catalogo catalogo;
    Aparencia aparencia;
    testing::RecordingDialogs dialogs;
    std::unique_ptr<TSelectForm> selecao;
    std::unique_ptr<TTransForm> janela;

    // A song with these stored symbols (type codes as given) and no fingerings.
    explicit Janela(std::vector<std::pair<std::string, int>> acordes) {
        const QDir origem = QFileInfo(QStringLiteral(TROVALE_EXECUTABLE)).dir();
        for (const char* nome : {"ACORDES.TIP", "POSICOES.DIG"})
            QFile::copy(origem.filePath(QLatin1String(nome)), pasta.filePath(QLatin1String(nome)));
        AbrirCatalogo({pasta.path().toStdString(), fs}, catalogo, dialogs);
        selecao = std::make_unique<TSelectForm>(catalogo, aparencia, dialogs);
        janela = std::make_unique<TTransForm>(catalogo, aparencia, dialogs, selecao->navegador());
        ChordTable tabela;
        for (const auto& [simbolo, tipo] : acordes)
            tabela.append(simbolo, std::to_string(tipo), "0");
        janela->preparar(linhasParaTransposicao(tabela));
        janela->show();
    }
    QStringList novos() const {
        QStringList s;
        for (const LinhaTransposicao& l : janela->linhas())
            s << QString::fromStdString(l.novoSimbolo);
        return s;
    }
    void passos(int n) {
        for (int k = 0; k < std::abs(n); ++k) (n > 0 ? janela->BtnUp : janela->BtnDn)->click();
    }
};

}  // namespace

class TranspositionWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void stepsRespellAfterTheKeyChord_data();
    void stepsRespellAfterTheKeyChord();
    void theArrowsStayPutAcrossZero();
    void twelveStepsComeBack();
    void aSpellingChangedInReview_data();
    void aSpellingChangedInReview();
    void aFingeringPickedInTheBrowser();
    void theSongsKeyIsTheKeyChord_data();
    void theSongsKeyIsTheKeyChord();
    void theCapoReachesTheNewKey();
};

// C shapes with the capo on 2 sound D; two steps up sound E. Changing the chords moves the
// shapes; the capo list offers every fret, easiest shapes first: on 4 the shapes stay, without
// a capo they move four semitones. Keeping the key, a capo change alone can be confirmed.
void TranspositionWindowTest::theCapoReachesTheNewKey() {
    Janela j({{"Cf", 1}, {"Ff", 1}, {"Gf", 1}});
    ChordTable tabela;
    for (const char* s : {"Cf", "Ff", "Gf"}) tabela.append(s, "1", "0");
    j.janela->preparar(linhasParaTransposicao(tabela), "D", 2);
    QCOMPARE(j.janela->ListBox->currentRow(), 0);
    QCOMPARE(j.janela->LabelSoante->text(),
             QString::fromUtf8("Soa em D (formas de C, capotraste na 2ª casa)."));
    j.passos(2);
    QCOMPARE(j.novos(), (QStringList{"D", "G", "A"}));
    QCOMPARE(j.janela->capotrasteEscolhido(), 2);
    QVERIFY(!j.janela->CBcapo->isEnabled());
    QCOMPARE(j.janela->CBcapo->itemText(0), QString::fromUtf8("2ª casa: formas de D"));
    QCOMPARE(j.janela->CBcapo->itemText(1), QString::fromUtf8("4ª casa: formas de C (as mesmas)"));

    const struct {
        int casa;
        QStringList novos;
        QString rotulo;
    } casos[] = {
        {4, {"C", "F", "G"}, QString::fromUtf8("As mesmas formas:")},
        {0, {"E", "A", "B"}, QString::fromUtf8("4 semitons acima:")},
    };
    for (const auto& c : casos) {
        j.janela->CBcapo->setCurrentIndex(j.janela->CBcapo->findData(c.casa));
        j.janela->RBcapo->click();
        QCOMPARE(j.janela->capotrasteEscolhido(), c.casa);
        QCOMPARE(j.novos(), c.novos);
        QCOMPARE(j.janela->LabelNovo->text(), c.rotulo);
        QVERIFY(j.janela->OKBtn->isEnabled());
    }
    QCOMPARE(j.janela->LabelSoante->text(),
             QString::fromUtf8("Soa em D (formas de C, capotraste na 2ª casa); passa a soar em E, "
                               "sem capotraste."));
    j.janela->RBacordes->click();
    QCOMPARE(j.janela->capotrasteEscolhido(), 2);
    QCOMPARE(j.novos(), (QStringList{"D", "G", "A"}));

    j.passos(-2);
    QVERIFY(!j.janela->OKBtn->isEnabled());
    j.janela->CBcapo->setCurrentIndex(j.janela->CBcapo->findData(0));
    j.janela->RBcapo->click();
    QCOMPARE(j.novos(), (QStringList{"D", "G", "A"}));
    QCOMPARE(j.janela->capotrasteEscolhido(), 0);
    QVERIFY(j.janela->OKBtn->isEnabled());
}

// A "Tom: ..." line names the key chord the window starts on; without one, or naming no
// chord of the song, the first.
void TranspositionWindowTest::theSongsKeyIsTheKeyChord_data() {
    QTest::addColumn<QString>("tom");
    QTest::addColumn<int>("linha");
    // the list is in alphabetical order: Am, C, G
    QTest::newRow("G") << "G" << 2;
    QTest::newRow("C") << "C" << 1;
    QTest::newRow("sem tom") << "" << 0;
    QTest::newRow("fora da musica") << "Bb" << 0;
}

void TranspositionWindowTest::theSongsKeyIsTheKeyChord() {
    QFETCH(QString, tom);
    QFETCH(int, linha);
    Janela j({{"Cf", 1}, {"Gf", 1}, {"Afm", 2}});
    ChordTable tabela;
    for (const char* s : {"Cf", "Gf", "Afm"}) tabela.append(s, "1", "0");
    j.janela->preparar(linhasParaTransposicao(tabela), tom.toStdString());
    QCOMPARE(j.janela->ListBox->currentRow(), linha);
}

// Each row: the song's chords (stored form, type), the steps, the new symbols in list order.
void TranspositionWindowTest::stepsRespellAfterTheKeyChord_data() {
    using Acordes = std::vector<std::pair<std::string, int>>;
    QTest::addColumn<Acordes>("acordes");
    QTest::addColumn<int>("passos");
    QTest::addColumn<QStringList>("novos");
    QTest::addColumn<QString>("rotulo");
    QTest::newRow("C up one: Db, not C#, and F becomes Gb")
        << Acordes{{"Cf", 1}, {"Ff", 1}, {"Gf7", 7}} << 1 << QStringList{"Db", "Gb", "Ab7"}
        << "1 semitom acima:";
    QTest::newRow("C down one: B and E")
        << Acordes{{"Cf", 1}, {"Ff", 1}} << -1 << QStringList{"B", "E"} << "1 semitom abaixo:";
    QTest::newRow("C/E up two: D/F#")
        << Acordes{{"Cf/E", 1}, {"Gf", 1}} << 2 << QStringList{"D/F#", "A"} << "2 semitons acima:";
    QTest::newRow("a flat key stays flat")
        << Acordes{{"Bb", 1}, {"Eb", 1}, {"Ff7", 7}} << -2 << QStringList{"Ab", "Db", "Eb7"}
        << "2 semitons abaixo:";
}

void TranspositionWindowTest::stepsRespellAfterTheKeyChord() {
    using Acordes = std::vector<std::pair<std::string, int>>;
    QFETCH(Acordes, acordes);
    QFETCH(int, passos);
    QFETCH(QStringList, novos);
    QFETCH(QString, rotulo);
    Janela j(acordes);
    QVERIFY(!j.janela->OKBtn->isEnabled());
    QVERIFY(j.janela->PanelHelp->isVisible());
    j.passos(passos);
    QCOMPARE(j.novos(), novos);
    QCOMPARE(j.janela->LabelNovo->text(), rotulo);
    QVERIFY(j.janela->OKBtn->isEnabled());
    QVERIFY(!j.janela->PanelHelp->isVisible());
}

// Clicking the same place keeps stepping: the arrows do not move when the shift passes 0.
void TranspositionWindowTest::theArrowsStayPutAcrossZero() {
    Janela j({{"Cf", 1}, {"Ff", 1}, {"G7f", 7}});
    QApplication::processEvents();
    const QPoint lugar = j.janela->BtnUp->mapTo(j.janela.get(), QPoint(0, 0));
    const QSize tamanho = j.janela->size();
    for (const int n : {1, -1, -1, 1, 1}) {
        j.passos(n);
        QApplication::processEvents();
        QCOMPARE(j.janela->BtnUp->mapTo(j.janela.get(), QPoint(0, 0)), lugar);
        QCOMPARE(j.janela->size(), tamanho);
    }
}

void TranspositionWindowTest::twelveStepsComeBack() {
    Janela j({{"Cf", 1}, {"Ff", 1}});
    j.passos(12);
    QCOMPARE(j.janela->deslocamento(), 0);
    QVERIFY(!j.janela->OKBtn->isEnabled());
    QCOMPARE(j.janela->LabelNovo->text(), QString());
}

void TranspositionWindowTest::aSpellingChangedInReview_data() {
    QTest::addColumn<int>("linha");
    QTest::addColumn<QStringList>("novos");
    // C F G7 up one: the key chord C becomes Db; its other spelling respells every row after
    // it, another row's spelling is that row's alone.
    QTest::newRow("the key chord") << 0 << QStringList{"C#", "F#", "G#7"};
    QTest::newRow("another chord") << 1 << QStringList{"Db", "F#", "Ab7"};
}

void TranspositionWindowTest::aSpellingChangedInReview() {
    QFETCH(int, linha);
    QFETCH(QStringList, novos);
    Janela j({{"Cf", 1}, {"Ff", 1}, {"Gf7", 7}});
    j.passos(1);
    QCOMPARE(j.novos(), (QStringList{"Db", "Gb", "Ab7"}));
    j.janela->ListBox->setCurrentRow(linha);
    QVERIFY(j.janela->GBtom->isEnabled());
    QVERIFY(j.janela->RBTb->isChecked());
    j.janela->RBTs->click();
    QCOMPARE(j.novos(), novos);
    for (int i = 0; i < novos.size(); ++i)
        QVERIFY(j.janela->ListBox->item(i)->text().endsWith(QLatin1Char(' ') + novos[i]));
    QVERIFY(j.janela->RBTs->isChecked());
}

void TranspositionWindowTest::aFingeringPickedInTheBrowser() {
    Janela j({{"Cf", 1}});
    j.passos(2);
    // The song's C had no fingering: none is suggested unless asked for.
    QCOMPARE(j.janela->linhas()[0].novaDigitacao, std::string("0"));
    j.janela->CBsugerir->click();
    TChordsForm& n = j.selecao->navegador();
    QVERIFY(n.isVisible());
    QCOMPARE(n.lista().raiz, std::string("D"));
    QVERIFY(n.grade().quantidade() >= 2);
    // Simplicidade took the first; the second picked replaces it, "Indefinir" leaves none.
    const std::string primeira = j.janela->linhas()[0].novaDigitacao;
    QVERIFY(primeira != "0");
    n.escolherEntrada(2);
    QVERIFY(j.janela->linhas()[0].novaDigitacao != primeira);
    n.BtnCancel->click();
    QCOMPARE(j.janela->linhas()[0].novaDigitacao, std::string("0"));
    j.janela->CancelBtn->click();
    QVERIFY(!n.isVisible());
    QCOMPARE(n.parentWidget(), static_cast<QWidget*>(j.selecao.get()));
}

QTEST_MAIN(TranspositionWindowTest)
#include "transposition_window_test.moc"
