// The stage view as a musician plays from it: pages turned by every pedal key and by a touch
// on either half, the last page handing over to the next song, pages that turn by themselves
// on a clock the test sets, and light text on dark.

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "catalogue/type_catalogue.h"
#include "catalogue/type_file.h"
#include "base/file_system.h"
#include "settings/page_layout.h"
#include "support/recording_dialogs.h"
#include "ui/stage/stage_form.h"
#include "ui/stage/stage_keys_dlg.h"

using namespace trovale;

namespace {

const QString kFonte = QStringLiteral(TROVALE_SOURCE_DIR);

// A song of `linhas` chord and lyric lines under its title.
std::shared_ptr<SongDocument> cancao(const std::string& titulo, int linhas) {
    auto doc = std::make_shared<SongDocument>(newSongDocument(modeloDeFabrica(), layoutDeFabrica()));
    doc->Chords.append("Cf", "1", "0");
    doc->Lines.push_back(titulo);
    doc->LineKinds.push_back(kTitleLine);
    for (int i = 0; i < linhas; ++i) {
        doc->Lines.push_back(encodeChordLine({{1, 0}}));
        doc->LineKinds.push_back(kChordLine);
        doc->Lines.push_back("verso " + std::to_string(i + 1));
        doc->LineKinds.push_back(kLyricLine);
    }
    return doc;
}

struct Palco {
    CatalogoTipos tipos;
    Aparencia aparencia;
    std::unique_ptr<TPalcoForm> janela;

    // Three pages of "Longa", then one of "Curta"; a landscape screen shows two at a time.
    explicit Palco(QSize tela, int segundos = 0) {
        const auto bytes = lerArquivoRegular((kFonte + "/data/ACORDES.TIP").toStdString(),
                                             kLimiteCatalogo);
        if (!bytes) qFatal("no ACORDES.TIP");
        lerTipos(*bytes, tipos);
        janela = std::make_unique<TPalcoForm>(
            tipos, aparencia,
            std::vector<MusicaNoPalco>{{cancao("Longa", 50), QStringLiteral("Longa"), segundos},
                                       {cancao("Curta", 2), QStringLiteral("Curta"), 0}});
        janela->resize(tela);
        janela->show();
    }
    std::pair<int, int> onde() const { return {janela->musicaAtual(), janela->primeiraPagina()}; }
};

}  // namespace

class StageTest : public QObject {
    Q_OBJECT
  private slots:
    void pedalKeysTurnPages_data();
    void pedalKeysTurnPages();
    void aTouchOnEitherHalf();
    void pagesTurnByThemselves();
    void lightOnDark();
    void aPedalIsTaughtItsKeys();
};

void StageTest::pedalKeysTurnPages_data() {
    QTest::addColumn<int>("tecla");
    QTest::addColumn<bool>("avanca");
    for (auto [nome, tecla] : {std::pair{"Page Down", Qt::Key_PageDown}, {"Space", Qt::Key_Space},
                               {"Right", Qt::Key_Right}, {"Down", Qt::Key_Down}})
        QTest::newRow(nome) << int(tecla) << true;
    for (auto [nome, tecla] : {std::pair{"Page Up", Qt::Key_PageUp}, {"Left", Qt::Key_Left},
                               {"Up", Qt::Key_Up}, {"Backspace", Qt::Key_Backspace}})
        QTest::newRow(nome) << int(tecla) << false;
}

// On a portrait screen one page at a time: 1, 2, 3 of "Longa", then "Curta"; and back.
void StageTest::pedalKeysTurnPages() {
    QFETCH(int, tecla);
    QFETCH(bool, avanca);
    Palco p(QSize(600, 900));
    QCOMPARE(p.janela->paginasPorVez(), 1);
    if (!avanca) {
        for (int k = 0; k < 3; ++k) p.janela->avancar();
        QCOMPARE(p.onde(), std::pair(1, 1));
    }
    const std::vector<std::pair<int, int>> ida{{0, 2}, {0, 3}, {1, 1}, {1, 1}};
    const std::vector<std::pair<int, int>> volta{{0, 3}, {0, 2}, {0, 1}, {0, 1}};
    for (const auto& esperado : avanca ? ida : volta) {
        QTest::keyClick(p.janela.get(), Qt::Key(tecla));
        QCOMPARE(p.onde(), esperado);
    }
    QVERIFY(p.janela->textoDaBarra().startsWith(avanca ? QStringLiteral("Curta   página 1 de 1")
                                                       : QStringLiteral("Longa   página 1 de 3")));
    QTest::keyClick(p.janela.get(), Qt::Key_Escape);
    QVERIFY(!p.janela->isVisible());
}

// On a landscape screen two pages side by side: a touch on the right half shows 3 (and the
// empty place beside it), then the next song; on the left half back again.
void StageTest::aTouchOnEitherHalf() {
    Palco p(QSize(1600, 900));
    QCOMPARE(p.janela->paginasPorVez(), 2);
    QCOMPARE(p.janela->textoDaBarra(), QStringLiteral("Longa   páginas 1–2 de 3   A seguir: Curta"));
    const QPoint direita(1200, 450), esquerda(200, 450);
    const std::pair<QPoint, std::pair<int, int>> toques[] = {
        {direita, {0, 3}}, {direita, {1, 1}}, {esquerda, {0, 2}}, {esquerda, {0, 1}}};
    for (const auto& [ponto, esperado] : toques) {
        QTest::mouseClick(p.janela.get(), Qt::LeftButton, {}, ponto);
        QCOMPARE(p.onde(), esperado);
    }
}

// Ten seconds a page: nothing at 9.9 s, the next page at 10 s; a turn by hand starts the count
// again; "+" slows the pace by five seconds.
void StageTest::pagesTurnByThemselves() {
    Palco p(QSize(600, 900), 10);
    p.janela->passarTempo(9900);
    QCOMPARE(p.onde(), std::pair(0, 1));
    p.janela->passarTempo(100);
    QCOMPARE(p.onde(), std::pair(0, 2));
    p.janela->passarTempo(9000);
    p.janela->voltar();
    p.janela->passarTempo(9000);
    QCOMPARE(p.onde(), std::pair(0, 1));
    QTest::keyClick(p.janela.get(), Qt::Key_Plus);
    QCOMPARE(p.janela->segundosPorPagina(), 15);
    p.janela->passarTempo(14999);
    QCOMPARE(p.onde(), std::pair(0, 1));
    p.janela->passarTempo(1);
    QCOMPARE(p.onde(), std::pair(0, 2));
}

// "E" turns the page dark: the paper is black and the ink of the title light.
void StageTest::lightOnDark() {
    Palco p(QSize(600, 900));
    const QImage clara = p.janela->grab().toImage();
    QTest::keyClick(p.janela.get(), Qt::Key_E);
    QVERIFY(p.janela->escuro());
    const QImage escura = p.janela->grab().toImage();
    int clarosNaClara = 0, clarosNaEscura = 0;
    for (int y = 60; y < 300; ++y)
        for (int x = 0; x < clara.width(); ++x) {
            clarosNaClara += qGray(clara.pixel(x, y)) > 200;
            clarosNaEscura += qGray(escura.pixel(x, y)) > 200;
        }
    QVERIFY2(clarosNaClara > 10 * clarosNaEscura, qPrintable(QString("%1 %2").arg(clarosNaClara).arg(clarosNaEscura)));
    QVERIFY(clarosNaEscura > 0);  // the text, light
    QImage cor(1, 1, QImage::Format_RGB32);
    cor.setPixel(0, 0, qRgb(0, 128, 0));
    escurecer(cor);
    QCOMPARE(QColor(cor.pixel(0, 0)), QColor(127, 255, 127));
}




// A pedal that sends "B" and "A": taught in the keys window (Esc is refused, as it leaves the
// stage), saved in PALCO.INI, and from then on B turns forward, A back, and Page Down nothing.
void StageTest::aPedalIsTaughtItsKeys() {
    QTemporaryDir pasta;
    DiskFileSystem fs(false);
    testing::RecordingDialogs dialogs;
    TTeclasPalcoDlg teclas(fs, pasta.path().toStdString(), dialogs);
    QCOMPARE(teclas.teclas(), teclasDoPalcoDeFabrica());
    QString semTeclas, esc;
    QTimer::singleShot(0, &teclas, [&] {
        teclas.BtnLimparAvancar->click();
        teclas.BtnLimparVoltar->click();
        teclas.BtnOK->click();
        semTeclas = teclas.LabelAviso->text();
        QTest::keyClick(teclas.CampoAvancar, Qt::Key_B);
        QTest::keyClick(teclas.CampoAvancar, Qt::Key_Escape);
        esc = teclas.LabelAviso->text();
        QTest::keyClick(teclas.CampoVoltar, Qt::Key_A);
        QTest::keyClick(teclas.CampoVoltar, Qt::Key_Return);
        QTest::keyClick(teclas.CampoAvancar, Qt::Key_Return);
        teclas.BtnOK->click();
        if (teclas.isVisible()) teclas.reject();
    });
    QVERIFY(teclas.ensinar());
    QCOMPARE(semTeclas, QStringLiteral("Escolha ao menos uma tecla para avançar e uma para voltar."));
    QCOMPARE(esc, QStringLiteral("A tecla Esc já serve para sair do palco."));
    QFile arquivo(pasta.filePath("PALCO.INI"));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(arquivo.readAll(), QByteArray("Avancar=B;Return\r\nVoltar=A\r\n"));

    Palco p(QSize(600, 900));
    p.janela->setTeclas(teclas.teclas());
    const std::pair<Qt::Key, std::pair<int, int>> pisadas[] = {
        {Qt::Key_B, {0, 2}}, {Qt::Key_PageDown, {0, 2}}, {Qt::Key_Return, {0, 3}}, {Qt::Key_A, {0, 2}}};
    for (const auto& [tecla, esperado] : pisadas) {
        QTest::keyClick(p.janela.get(), tecla);
        QCOMPARE(p.onde(), esperado);
    }
    QSignalSpy pedidas(p.janela.get(), &TPalcoForm::teclasPedidas);
    QTest::keyClick(p.janela.get(), Qt::Key_T);
    QCOMPARE(pedidas.count(), 1);
}

QTEST_MAIN(StageTest)
#include "stage_test.moc"
