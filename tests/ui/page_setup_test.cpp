// The page setup window driven as a user drives it, on a real song that lays itself out
// again with every layout the window hands it.

#include "ui/page_setup/page_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <map>
#include <memory>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "catalogue/type_file.h"
#include "render/sheet_measure.h"
#include "support/recording_dialogs.h"
#include "ui/page_setup/configured_document.h"
#include "ui/page_setup/page_picture.h"

using namespace trovale;
using F = CampoLayout;

namespace {

// A song of `versos` chord and lyric line pairs, laid out at 96 dpi on the A4 of its layout.
class DocumentoFalso : public DocumentoConfigurado {
  public:
    std::vector<PageLayout> aplicados;
    int modelos = 0;

    DocumentoFalso(const CatalogoTipos& tipos, int versos) : medida_(doc_.Template, tipos, 96) {
        doc_ = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
        doc_.Chords.append("Cf", "1", "0");
        doc_.Lines = {"Cantiga de teste"};
        doc_.LineKinds = {kTitleLine};
        for (int i = 0; i < versos; ++i) {
            doc_.Lines.push_back(encodeChordLine({{1, 0}}));
            doc_.LineKinds.push_back(kChordLine);
            doc_.Lines.push_back("verso " + std::to_string(i + 1));
            doc_.LineKinds.push_back(kLyricLine);
        }
        dispor();
    }
    const SheetPaint& pintura() const override { return pintura_; }
    int dpi() const override { return 96; }
    const PageLayout& layout() const override { return doc_.Layout; }
    void aplicarLayout(const PageLayout& layout) override {
        aplicados.push_back(layout);
        doc_.Layout = layout;
        dispor();
    }
    void abrirModelo() override {
        ++modelos;
        doc_.Template.Presentation = 0;
        dispor();
    }

  private:
    void dispor() {
        SheetSettings ajustes;
        ajustes.pageHeightMm = doc_.Layout.orientacao == 1 ? 210 : 297;
        ComputeRowHeights(sheet_, doc_, medida_, ajustes);
        ComputeColumns(sheet_, doc_, ajustes, 0);
        LayOut(sheet_, doc_, medida_, ajustes);
    }

    SongDocument doc_;
    SheetMeasure medida_;
    Aparencia aparencia_;
    Sheet sheet_;
    SheetPaint pintura_{doc_, sheet_, medida_, aparencia_};
};

// A printer of the paper size given, at 600 dpi, that reaches to a pixel of every edge.
ImpressoraDaPagina impressora(const QString& nome, int larguraMm, int alturaMm) {
    return {nome, [=](bool paisagem) {
                DadosImpressora d;
                d.dpiX = d.dpiY = 600;
                const double pxPorMm = 600 / 25.4;
                d.larguraFisica = static_cast<int>((paisagem ? alturaMm : larguraMm) * pxPorMm);
                d.alturaFisica = static_cast<int>((paisagem ? larguraMm : alturaMm) * pxPorMm);
                d.larguraImprimivelMm = (d.larguraFisica - 2) / pxPorMm;
                d.alturaImprimivelMm = (d.alturaFisica - 2) / pxPorMm;
                d.deslocamentoX = d.deslocamentoY = 1;
                return metricasDe(d);
            }};
}

QString cm(int mm) {
    const char separador = QLocale().decimalPoint() == QStringLiteral(".") ? '.' : ',';
    return QString::fromStdString(textoEditCm(mm, separador));
}

struct Montagem {
    CatalogoTipos tipos;
    QTemporaryDir dir;
    std::filesystem::path pasta{dir.path().toStdString()};
    DiskFileSystem fs{false};
    PageLayout padrao = layoutDeFabrica();
    testing::RecordingDialogs dialogs;
    std::unique_ptr<DocumentoFalso> doc;
    std::unique_ptr<TPageForm> janela;

    explicit Montagem(int versos = 10) {
        const auto bytes =
            lerArquivoRegular(TROVALE_SOURCE_DIR "/data/ACORDES.TIP", kLimiteCatalogo);
        if (!bytes) qFatal("no ACORDES.TIP");
        lerTipos(*bytes, tipos);
        doc = std::make_unique<DocumentoFalso>(tipos, versos);
        janela = std::make_unique<TPageForm>(padrao, fs, pasta, dialogs);
    }
    // Opens the window on the song, lets `acoes` drive it, then cancels if it is still open.
    bool configurar(const std::function<void()>& acoes, int pagina = 1) {
        QTimer::singleShot(0, janela.get(), [this, acoes] {
            if (QTest::qWaitForWindowExposed(janela.get())) acoes();
            if (janela->isVisible()) janela->reject();
        });
        return janela->configurar(*doc, pagina);
    }
    void digitar(F campo, const QString& texto) {
        QLineEdit* e = janela->edit(campo);
        QTest::mouseClick(e, Qt::LeftButton);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, texto);
    }
    // Leaves the edit as Tab does.
    void sair(F campo) { QTest::keyClick(janela->edit(campo), Qt::Key_Tab); }
    QImage imagem() const { return janela->ImagemPagina->grab().toImage(); }
};

// Some red within a pixel of the point.
bool vermelho(const QImage& imagem, QPoint ponto) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QRgb cor = imagem.pixel(ponto + QPoint(dx, dy));
            if (qRed(cor) > 200 && qGreen(cor) < 80 && qBlue(cor) < 80) return true;
        }
    return false;
}

bool temTinta(const QImage& imagem, const QRectF& area) {
    const QRect r = area.toRect().adjusted(3, 3, -3, -3);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(imagem.pixel(x, y)) < 128) return true;
    return false;
}

}  // namespace

class PageSetupTest : public QObject {
    Q_OBJECT
  private slots:
    void typedValues_data();
    void typedValues();
    void columnButtons_data();
    void columnButtons();
    void landscapeFitsTheMargins();
    void printerLines_data();
    void printerLines();
    void plusAndMinusStopAtTheLimits_data();
    void plusAndMinusStopAtTheLimits();
    void holdingPlusRepeatsUntilThePointerLeaves();
    void keysInTheEdits();
    void pagesTurnWithoutRelayout_data();
    void pagesTurnWithoutRelayout();
    void previewFollowsEveryChange();
    void clickOnThePageSelectsItsEdit_data();
    void clickOnThePageSelectsItsEdit();
    void confirmAndCancel();
    void padraoAndAdotar_data();
    void padraoAndAdotar();
};

void PageSetupTest::typedValues_data() {
    QTest::addColumn<bool>("comImpressora");
    QTest::addColumn<int>("qual");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("mm");
    QTest::addColumn<int>("coluna1");
    QTest::newRow("1,25 cm") << false << int(F::MargemEsquerda) << "1,25" << 12 << 178;
    QTest::newRow("1.25 cm") << false << int(F::MargemEsquerda) << "1.25" << 12 << 178;
    QTest::newRow("0,3 cm") << true << int(F::MargemSuperior) << "0,3" << 3 << 160;
    QTest::newRow("emptied, no printer") << false << int(F::MargemDireita) << "" << 11 << 169;
    QTest::newRow("emptied, printer") << true << int(F::MargemDireita) << "" << 1 << 179;
    // 297 - int(0.3 * 297) - 25
    QTest::newRow("too large") << false << int(F::MargemSuperior) << "99" << 183 << 160;
}

void PageSetupTest::typedValues() {
    QFETCH(bool, comImpressora);
    QFETCH(int, qual);
    QFETCH(QString, texto);
    QFETCH(int, mm);
    QFETCH(int, coluna1);
    Montagem m;
    if (comImpressora) m.janela->setImpressora(impressora(QStringLiteral("Laser"), 210, 297));
    const F f = static_cast<F>(qual);
    QVERIFY(!m.configurar([&] {
        m.digitar(f, texto);
        QVERIFY(m.doc->aplicados.empty());
        m.sair(f);
        QCOMPARE(m.janela->edit(f)->text(), cm(mm));
        QCOMPARE(m.janela->EditC1->text(), cm(coluna1));
    }));
    QCOMPARE(trovale::campo(m.janela->layout(), f), mm);
    QCOMPARE(m.janela->layout().coluna1, coluna1);
    QCOMPARE(m.doc->aplicados.size(), std::size_t{1});
    QCOMPARE(m.doc->aplicados.back(), m.janela->layout());
}

void PageSetupTest::columnButtons_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("valores");  // gap, columns 1 to 3
    QTest::newRow("one") << 1 << QList<int>{0, 160, 0, 0};
    // 210 - 30 - 20 - 15 = 145, halved downwards: 1 mm stays free.
    QTest::newRow("two") << 2 << QList<int>{15, 72, 72, 0};
    QTest::newRow("three") << 3 << QList<int>{15, 43, 43, 43};
}

void PageSetupTest::columnButtons() {
    QFETCH(int, n);
    QFETCH(QList<int>, valores);
    Montagem m;
    QToolButton* botoes[] = {m.janela->SpeedButton1, m.janela->SpeedButton2,
                             m.janela->SpeedButton3};
    m.configurar([&] {
        QTest::mouseClick(botoes[n - 1], Qt::LeftButton);
        for (int i = 0; i < 3; ++i) QCOMPARE(botoes[i]->isChecked(), i == n - 1);
        const std::pair<QLineEdit*, bool> habilitados[] = {{m.janela->EditMc, n > 1},
                                                           {m.janela->EditC1, n > 1},
                                                           {m.janela->EditC2, n > 1},
                                                           {m.janela->EditC3, n == 3}};
        for (const auto& [e, habilitado] : habilitados) QCOMPARE(e->isEnabled(), habilitado);
        const QLineEdit* edits[] = {m.janela->EditMc, m.janela->EditC1, m.janela->EditC2,
                                    m.janela->EditC3};
        for (int i = 0; i < 4; ++i) QCOMPARE(edits[i]->text(), cm(valores[i]));
    });
    const PageLayout& l = m.janela->layout();
    QCOMPARE((QList<int>{l.espacoColunas, l.coluna1, l.coluna2, l.coluna3}), valores);
    QCOMPARE(m.doc->pintura().sheet.ColumnCount, n);
}

// 60 + 140 mm fit a portrait A4; in landscape the top margin has no room left (147 - 140 is
// below its minimum), so both shrink to 2/3 once: 40 and 93.
void PageSetupTest::landscapeFitsTheMargins() {
    Montagem m;
    m.configurar([&] {
        m.digitar(F::MargemSuperior, QStringLiteral("6"));
        m.digitar(F::MargemInferior, QStringLiteral("14"));
        m.sair(F::MargemInferior);
        QCOMPARE(m.janela->layout().margemInferior, 140);
        QCOMPARE(m.janela->LabelPapel->text(),
                 QStringLiteral("Dimensões do papel: 210 x 297 mm (A4)"));
        QTest::mouseClick(m.janela->BtnGirar, Qt::LeftButton);
        QCOMPARE(m.janela->LabelPapel->text(),
                 QStringLiteral("Dimensões do papel: 297 x 210 mm (A4)"));
        QCOMPARE(m.janela->EditMs->text(), cm(40));
        QCOMPARE(m.janela->EditMi->text(), cm(93));
        QCOMPARE(m.janela->EditC1->text(), cm(297 - 30 - 20));
    });
    QCOMPARE(m.janela->layout().orientacao, 1);
    QCOMPARE(m.doc->aplicados.back(), m.janela->layout());
}

void PageSetupTest::printerLines_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("papel");
    QTest::addColumn<QStringList>("textos");  // printer, resolution, paper
    QTest::newRow("none") << QString() << QSize()
                          << QStringList{"Impressora: Indefinida", "",
                                         "Dimensões do papel: 210 x 297 mm (A4)"};
    QTest::newRow("letter") << "Jato" << QSize(216, 279)
                            << QStringList{"Impressora: Jato",
                                           "Resolução: 600 x 600 pontos por polegada (DPI)",
                                           "Dimensões do papel: 216 x 279 mm (Carta)"};
    QTest::newRow("unnamed size") << "Etiquetas" << QSize(100, 150)
                                  << QStringList{"Impressora: Etiquetas",
                                                 "Resolução: 600 x 600 pontos por polegada (DPI)",
                                                 "Dimensões do papel: 100 x 150 mm"};
}

void PageSetupTest::printerLines() {
    QFETCH(QString, nome);
    QFETCH(QSize, papel);
    QFETCH(QStringList, textos);
    Montagem m;
    if (!nome.isEmpty()) m.janela->setImpressora(impressora(nome, papel.width(), papel.height()));
    m.configurar([&] {
        QCOMPARE(m.janela->LabelImpressora->text(), textos[0]);
        QCOMPARE(m.janela->LabelResolucao->text(), textos[1]);
        QCOMPARE(m.janela->LabelPapel->text(), textos[2]);
        QCOMPARE(m.janela->BtnOptions->isEnabled(), !nome.isEmpty());
    });
}

void PageSetupTest::plusAndMinusStopAtTheLimits_data() {
    QTest::addColumn<int>("qual");
    QTest::addColumn<int>("passo");
    QTest::addColumn<int>("limite");
    QTest::newRow("left down to its minimum") << int(F::MargemEsquerda) << -1 << 10;
    // 210 - int(0.3 * 210) - 30
    QTest::newRow("right up to its maximum") << int(F::MargemDireita) << +1 << 117;
}

// Each press moves a millimetre and lays out again; past the limit nothing changes.
void PageSetupTest::plusAndMinusStopAtTheLimits() {
    QFETCH(int, qual);
    QFETCH(int, passo);
    QFETCH(int, limite);
    Montagem m;
    const F f = static_cast<F>(qual);
    const int inicio = trovale::campo(m.doc->layout(), f);
    const int passos = std::abs(limite - inicio);
    m.configurar([&] {
        QTest::mouseClick(m.janela->edit(f), Qt::LeftButton);
        QToolButton* b = passo > 0 ? m.janela->SpeedButtonMais : m.janela->SpeedButtonMenos;
        for (int i = 0; i < passos + 3; ++i) QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(m.janela->edit(f)->text(), cm(limite));
    });
    QCOMPARE(trovale::campo(m.janela->layout(), f), limite);
    QCOMPARE(m.doc->aplicados.size(), std::size_t(passos));
}

// A step at the press, none more for half a second, then one every 10 ms.
void PageSetupTest::holdingPlusRepeatsUntilThePointerLeaves() {
    Montagem m;
    m.configurar([&] {
        QToolButton* mais = m.janela->SpeedButtonMais;
        QTest::mousePress(mais, Qt::LeftButton);
        QCOMPARE(m.janela->layout().margemSuperior, 31);
        QTest::qWait(300);
        QCOMPARE(m.janela->layout().margemSuperior, 31);
        QTRY_VERIFY_WITH_TIMEOUT(m.janela->layout().margemSuperior > 33, 1000);
        QTest::mouseMove(mais, QPoint(-20, -20));
        const int parado = m.janela->layout().margemSuperior;
        QTest::qWait(100);
        QCOMPARE(m.janela->layout().margemSuperior, parado);
        QTest::mouseRelease(mais, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(m.janela->EditMs->text(), cm(parado));
    });
}

void PageSetupTest::keysInTheEdits() {
    Montagem m;
    m.configurar([&] {
        QLineEdit* e = m.janela->EditMs;
        m.digitar(F::MargemSuperior, QStringLiteral("1x,a5.,"));
        QCOMPARE(e->text(), QStringLiteral("1,5"));
        // "+" takes the typed value first, then a millimetre more.
        QTest::keyClick(e, Qt::Key_Plus);
        QCOMPARE(m.janela->layout().margemSuperior, 16);
        QTest::keyClick(e, Qt::Key_Minus);
        QCOMPARE(m.janela->layout().margemSuperior, 15);
        // With one column the arrows go round the four margins only.
        const F ordem[] = {F::MargemInferior, F::MargemEsquerda, F::MargemDireita,
                           F::MargemSuperior};
        for (F proximo : ordem) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QCOMPARE(QApplication::focusWidget(), m.janela->edit(proximo));
        }
        QTest::keyClick(e, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), m.janela->EditMd);
        // With three columns Down goes on to the gap, and Up from the top round to column 3.
        QTest::mouseClick(m.janela->SpeedButton3, Qt::LeftButton);
        QTest::keyClick(m.janela->EditMd, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), m.janela->EditMc);
        m.janela->EditMs->setFocus();
        QTest::keyClick(m.janela->EditMs, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), m.janela->EditC3);
    });
}

void PageSetupTest::pagesTurnWithoutRelayout_data() {
    QTest::addColumn<int>("inicio");
    QTest::addColumn<QString>("teclas");  // U, D: Page Up/Down in an edit; u, d: the buttons
    QTest::addColumn<int>("pagina");
    QTest::newRow("start on page 2") << 2 << "" << 2;
    QTest::newRow("beyond the count") << 9 << "" << 3;
    QTest::newRow("keys down") << 1 << "DD" << 3;
    QTest::newRow("keys up past the first") << 2 << "UU" << 1;
    QTest::newRow("buttons") << 1 << "ddu" << 2;
}

void PageSetupTest::pagesTurnWithoutRelayout() {
    QFETCH(int, inicio);
    QFETCH(QString, teclas);
    QFETCH(int, pagina);
    Montagem m(75);
    QCOMPARE(m.doc->pintura().sheet.PageCount, 3);
    m.configurar(
        [&] {
            for (QChar t : teclas) {
                if (t == 'U' || t == 'D')
                    QTest::keyClick(m.janela->EditMs, t == 'U' ? Qt::Key_PageUp : Qt::Key_PageDown);
                else
                    QTest::mouseClick(t == 'u' ? m.janela->BtnUp : m.janela->BtnDn, Qt::LeftButton);
            }
            QCOMPARE(m.janela->LabelPagina->text(),
                     QStringLiteral("Mostrando página %1 de 3").arg(pagina));
            QCOMPARE(m.janela->BtnUp->isEnabled(), pagina > 1);
            QCOMPARE(m.janela->BtnDn->isEnabled(), pagina < 3);
        },
        inicio);
    QCOMPARE(m.janela->paginaMostrada(), pagina);
    QVERIFY(m.doc->aplicados.empty());
}

// The song's rows stand in the columns' frames, and move with them.
void PageSetupTest::previewFollowsEveryChange() {
    Montagem m(75);
    m.configurar([&] {
        const QImage antes = m.imagem();
        QVERIFY(temTinta(antes, m.janela->geometria().coluna[0]));
        QTest::mouseClick(m.janela->SpeedButton2, Qt::LeftButton);
        QCOMPARE(m.doc->aplicados.size(), std::size_t{1});
        const GeometriaPagina g = m.janela->geometria();
        QVERIFY(!temTinta(antes, g.coluna[1]));
        QVERIFY(temTinta(m.imagem(), g.coluna[1]));
        QCOMPARE(m.janela->LabelPagina->text(), QStringLiteral("Mostrando página 1 de 2"));
        QTest::mouseClick(m.janela->BtnModel, Qt::LeftButton);
        QCOMPARE(m.doc->modelos, 1);
        QVERIFY(m.imagem() != antes);
        QTest::mouseClick(m.janela->BtnGirar, Qt::LeftButton);
        QCOMPARE(m.doc->aplicados.size(), std::size_t{2});
        QCOMPARE(m.doc->aplicados.back().orientacao, 1);
    });
}

void PageSetupTest::clickOnThePageSelectsItsEdit_data() {
    QTest::addColumn<QPointF>("onde");  // in millimetres of the paper
    QTest::addColumn<int>("qual");
    QTest::newRow("left strip") << QPointF(15, 150) << int(F::MargemEsquerda);
    QTest::newRow("just inside the left line") << QPointF(33, 150) << int(F::MargemEsquerda);
    QTest::newRow("right strip") << QPointF(200, 150) << int(F::MargemDireita);
    QTest::newRow("top strip") << QPointF(100, 10) << int(F::MargemSuperior);
    QTest::newRow("bottom strip") << QPointF(100, 290) << int(F::MargemInferior);
    QTest::newRow("column 1") << QPointF(60, 150) << int(F::Coluna1);
    QTest::newRow("gap") << QPointF(109.5, 150) << int(F::EspacoColunas);
    QTest::newRow("column 2") << QPointF(150, 150) << int(F::Coluna2);
}

// The edit is entered, and its line or frame turns red on the picture.
void PageSetupTest::clickOnThePageSelectsItsEdit() {
    QFETCH(QPointF, onde);
    QFETCH(int, qual);
    Montagem m;
    const F f = static_cast<F>(qual);
    m.configurar([&] {
        QTest::mouseClick(m.janela->SpeedButton2, Qt::LeftButton);
        const GeometriaPagina g = m.janela->geometria();
        const QPointF ponto = g.papel.topLeft() + onde * g.pxPorMm;
        QTest::mouseClick(m.janela->ImagemPagina, Qt::LeftButton, {}, ponto.toPoint());
        QCOMPARE(m.janela->campoSelecionado(), f);
        QCOMPARE(QApplication::focusWidget(), m.janela->edit(f));
        const std::map<F, QPointF> marcas = {
            {F::MargemEsquerda, {g.esquerda, g.papel.center().y()}},
            {F::MargemDireita, {g.direita, g.papel.center().y()}},
            {F::MargemSuperior, {g.papel.center().x(), g.topo}},
            {F::MargemInferior, {g.papel.center().x(), g.base}},
            {F::Coluna1, {g.coluna[0].center().x(), g.topo}},
            {F::EspacoColunas, {g.coluna[1].left(), g.coluna[1].center().y()}},
            {F::Coluna2, {g.coluna[1].center().x(), g.base}}};
        const QPoint marca = marcas.at(f).toPoint();
        QVERIFY(vermelho(m.imagem(), marca));
        m.janela->CheckBox->setChecked(false);
        QVERIFY(!vermelho(m.imagem(), marca));
    });
}

// Both finish the edit in progress and hand it to the song; the answer says which was it.
void PageSetupTest::confirmAndCancel() {
    for (bool confirmar : {true, false}) {
        Montagem m;
        const bool resposta = m.configurar([&] {
            m.digitar(F::MargemInferior, QStringLiteral("2"));
            QTest::mouseClick(confirmar ? m.janela->BtnOK : m.janela->BtnCancel, Qt::LeftButton);
        });
        QCOMPARE(resposta, confirmar);
        QCOMPARE(m.doc->layout().margemInferior, 20);
        QCOMPARE(m.janela->layout().margemInferior, 20);
    }
}

void PageSetupTest::padraoAndAdotar_data() {
    QTest::addColumn<bool>("gravavel");
    QTest::newRow("written") << true;
    QTest::newRow("folder missing") << false;
}

void PageSetupTest::padraoAndAdotar() {
    QFETCH(bool, gravavel);
    Montagem m;
    if (!gravavel) m.pasta /= "faltando";
    m.janela = std::make_unique<TPageForm>(m.padrao, m.fs, m.pasta, m.dialogs);
    m.configurar([&] {
        QTest::mouseClick(m.janela->SpeedButton2, Qt::LeftButton);
        m.digitar(F::MargemEsquerda, QStringLiteral("2,5"));
        QTest::mouseClick(m.janela->BtnPadrao, Qt::LeftButton);
        QTest::mouseClick(m.janela->SpeedButton1, Qt::LeftButton);
        QCOMPARE(m.janela->layout().numColunas, 1);
        QTest::mouseClick(m.janela->BtnAdotar, Qt::LeftButton);
        QCOMPARE(m.janela->SpeedButton2->isChecked(), gravavel);
        QCOMPARE(m.janela->EditMe->text(), cm(gravavel ? 25 : 30));
    });
    QFile arquivo(QString::fromStdString((m.pasta / "LayOut.ini").string()));
    if (gravavel) {
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        // 210 - 25 - 20 - 15 = 150 for the two columns.
        QCOMPARE(arquivo.readAll(), QByteArray("25 20 30 25 15\r\n2 75 75 0 0\r\n"));
        QVERIFY(m.dialogs.avisos.empty());
    } else {
        QVERIFY(!arquivo.exists());
        QCOMPARE(m.dialogs.avisos, std::vector<std::string>{kMensagemArquivoImproprio});
        QCOMPARE(m.padrao, layoutDeFabrica());
    }
}

QTEST_MAIN(PageSetupTest)
#include "page_setup_test.moc"
