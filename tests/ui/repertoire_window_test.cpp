// The repertoire window as a band leader uses it: songs included from the file window, one
// taken up a tone and another given a capo, a missing one shown grey with the loader's
// message, the order changed, saved and opened again, and the book made of the songs as played.

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "base/file_system.h"
#include "catalogue/catalogue_files.h"
#include "document/song_file.h"
#include "settings/page_layout.h"
#include "support/recording_dialogs.h"
#include "render/appearance.h"
#include "ui/repertoire/repertoire_form.h"

using namespace trovale;

namespace {

const QString kFonte = QStringLiteral(TROVALE_SOURCE_DIR);

// A song in C with a chord line over one lyric, written as `nome` in `pasta`.
QString gravarCancao(const QTemporaryDir& pasta, const QString& nome, const std::string& titulo) {
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Chords.append("Cf", "1", "0");
    doc.Chords.append("Gf", "1", "0");
    doc.Lines = {titulo, encodeChordLine({{1, 0}, {5, 1}}), "Vem cantar"};
    doc.LineKinds = {kTitleLine, kChordLine, kLyricLine};
    const QString caminho = pasta.filePath(nome);
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(caminho));
    const std::string bytes = songFileText(doc);
    arquivo.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return caminho;
}

struct Ambiente {
    QTemporaryDir pasta;
    DiskFileSystem fs;
    Catalogo catalogo;
    testing::RecordingDialogs dialogs;
    QStringList escolhidas;
    QString salvarEm;
    std::vector<std::string> cadernoSimbolos;
    int cadernoFaltando = 0;

    Ambiente() {
        const QDir origem(kFonte + QStringLiteral("/data"));
        QFile::copy(origem.filePath("ACORDES.TIP"), pasta.filePath("ACORDES.TIP"));
        AbrirCatalogo({pasta.path().toStdString(), fs}, catalogo, dialogs);
    }
    TRepertorioForm::Servicos servicos() {
        TRepertorioForm::Servicos s;
        s.escolherMusicas = [this] { return escolhidas; };
        s.salvarComo = [this](const std::function<bool(const QString&)>& gravar) { gravar(salvarEm); };
        s.montarCaderno = [this](const std::vector<std::filesystem::path>&,
                                 const std::vector<const SongDocument*>& tocadas, const QString&) {
            for (const SongDocument* doc : tocadas) {
                if (!doc) {
                    ++cadernoFaltando;
                    continue;
                }
                for (const std::string& s : doc->Chords.Symbols) cadernoSimbolos.push_back(displaySymbol(s));
            }
        };
        return s;
    }
};

}  // namespace

class RepertoireWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void anEveningIsMadeSavedAndPlayed();
    void aPaceSetOnStageIsKeptInItsEntry();
};

void RepertoireWindowTest::anEveningIsMadeSavedAndPlayed() {
    Ambiente a;
    const QString luar = gravarCancao(a.pasta, "luar.dec", "Luar");
    const QString sol = gravarCancao(a.pasta, "sol.dec", "Sol");
    a.escolhidas = {luar, sol, a.pasta.filePath("sumiu.dec")};
    a.salvarEm = a.pasta.filePath("noite.rep");
    const Modelo modelo = modeloDeFabrica();
    TRepertorioForm janela(a.catalogo, modelo, a.dialogs, a.servicos());
    janela.show();
    janela.BtnIncluir->click();
    QCOMPARE(janela.Lista->topLevelItemCount(), 3);
    QCOMPARE(janela.Lista->topLevelItem(0)->text(0), QStringLiteral("Luar"));
    QCOMPARE(janela.Lista->topLevelItem(0)->text(1), QStringLiteral("tom original — soa em C"));
    // The missing song stays, grey, with the loader's message.
    QTreeWidgetItem* sumiu = janela.Lista->topLevelItem(2);
    QCOMPARE(sumiu->text(0), QStringLiteral("sumiu.dec"));
    QVERIFY(!sumiu->toolTip(0).isEmpty());
    QVERIFY(sumiu->foreground(0).color() != janela.Lista->topLevelItem(0)->foreground(0).color());

    janela.Lista->setCurrentItem(janela.Lista->topLevelItem(0));
    janela.SpinSemitons->setValue(2);
    QCOMPARE(janela.Lista->topLevelItem(0)->text(1), QStringLiteral("+2 semitons — soa em D"));
    janela.Lista->setCurrentItem(janela.Lista->topLevelItem(1));
    janela.ComboCapo->setCurrentIndex(janela.ComboCapo->findData(3));
    QCOMPARE(janela.Lista->topLevelItem(1)->text(1),
             QStringLiteral("capotraste na 3ª casa — soa em Eb"));
    janela.BtnSubir->click();
    QCOMPARE(janela.Lista->topLevelItem(0)->text(0), QStringLiteral("Sol"));
    QVERIFY(janela.modificado());

    janela.BtnSalvarComo->click();
    QVERIFY(!janela.modificado());
    QFile arquivo(a.salvarEm);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(arquivo.readAll());
    QVERIFY2(texto.endsWith(QStringLiteral("sol.dec\t0\t3\nluar.dec\t+2\t-\nsumiu.dec\t0\t-\n")),
             qPrintable(texto));

    // Opened again: the same evening. Its book plays each song as its entry says.
    TRepertorioForm outra(a.catalogo, modelo, a.dialogs, a.servicos());
    QVERIFY(outra.abrir(a.salvarEm));
    QCOMPARE(outra.Lista->topLevelItem(1)->text(1), QStringLiteral("+2 semitons — soa em D"));
    outra.BtnCaderno->click();
    QCOMPARE(a.cadernoSimbolos, (std::vector<std::string>{"A", "E", "D", "A"}));
    QCOMPARE(a.cadernoFaltando, 1);

    // Closing with changes asks; "Cancelar" keeps the window open.
    outra.BtnRetirar->click();
    a.dialogs.respostas = {Resposta::Cancelar};
    outra.show();
    outra.BtnFechar->click();
    QVERIFY(outra.isVisible());
    QCOMPARE(a.dialogs.fechamentos.size(), std::size_t(1));
}

// The pace set in the window goes on stage with its song; "+" there comes back to the entry
// and is saved with the repertoire.
void RepertoireWindowTest::aPaceSetOnStageIsKeptInItsEntry() {
    Ambiente a;
    a.escolhidas = {gravarCancao(a.pasta, "luar.dec", "Luar"), gravarCancao(a.pasta, "sol.dec", "Sol")};
    a.salvarEm = a.pasta.filePath("noite.rep");
    const Modelo modelo = modeloDeFabrica();
    const Aparencia aparencia;
    std::unique_ptr<TPalcoForm> palco;
    TRepertorioForm::Servicos servicos = a.servicos();
    servicos.palco = [&](std::vector<MusicaNoPalco> musicas, int inicio, QWidget*) {
        palco = std::make_unique<TPalcoForm>(a.catalogo.tipos, aparencia, std::move(musicas), inicio);
        return palco.get();
    };
    TRepertorioForm janela(a.catalogo, modelo, a.dialogs, std::move(servicos));
    janela.BtnIncluir->click();
    janela.Lista->setCurrentItem(janela.Lista->topLevelItem(1));
    janela.SpinPasso->setValue(30);
    QCOMPARE(janela.Lista->topLevelItem(1)->text(1),
             QStringLiteral("tom original, vira a cada 30 s — soa em C"));

    janela.BtnPalco->click();
    QVERIFY(palco);
    QCOMPARE(palco->musicaAtual(), 1);
    QCOMPARE(palco->segundosPorPagina(), 30);
    QTest::keyClick(palco.get(), Qt::Key_Plus);
    QCOMPARE(janela.SpinPasso->value(), 35);
    janela.BtnSalvarComo->click();
    QFile arquivo(a.salvarEm);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(arquivo.readAll());
    QVERIFY2(texto.endsWith(QStringLiteral("luar.dec\t0\t-\nsol.dec\t0\t-\t\t35\n")),
             qPrintable(texto));
}

QTEST_MAIN(RepertoireWindowTest)
#include "repertoire_window_test.moc"
