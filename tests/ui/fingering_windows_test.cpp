// The two small windows of the fingering editor, driven as a user drives them: the names a
// fingering may take ("Opções de nomenclatura") and the intervals of a new chord type
// ("Intervalos do acorde").

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "catalogue/symbol_elements.h"
#include "ui/fingering_editor/choose_form.h"
#include "ui/fingering_editor/criar_form.h"
#include "ui/help/help_form.h"

using namespace trovale;

namespace {

constexpr int kMaior = 1, kSetima = 3;
constexpr int kDo = 4, kMi = 8, kSol = 11, kSiBemol = 2;

CatalogoTipos tiposDeTeste() {
    CatalogoTipos tipos;
    tipos.TiposAcorde[kMaior] = {"Maior", {3, 6}, ElementosDaCifra(""), ElementosDaCifra("")};
    tipos.TiposAcorde[kSetima] = {
        "S\xE9tima", {3, 6, 10}, ElementosDaCifra("7"), ElementosDaCifra("7")};
    return tipos;
}

// C7 already catalogued, C# (or Db) without its fifth, A without its root.
Identification identificacao() {
    Identification id;
    id.candidates = {
        {kSetima, "C", kCompleto, true, "C", "", ""},
        {kMaior, "C#", kSemQuinta, false, "C#", "Db", "Db"},
        {kSetima, "A", kSemFundamental, false, "C#", "", ""},
    };
    id.count = 3;
    return id;
}

struct Opcoes {
    CatalogoTipos tipos = tiposDeTeste();
    TChooseForm janela;

    explicit Opcoes(bool cifraOpcional = false) {
        janela.preparar(identificacao(), tipos, cifraOpcional);
        janela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&janela));
    }
    QPoint centro(int linha, int coluna) const {
        return janela.DrawGrid->retanguloCelula(linha, coluna).center();
    }
    void clicar(int linha, int coluna) {
        QTest::mouseClick(janela.DrawGrid, Qt::LeftButton, {}, centro(linha, coluna));
    }
};

bool temVermelho(const QImage& imagem, const QRect& celula) {
    for (int y = celula.top(); y <= celula.bottom(); ++y)
        for (int x = celula.left(); x <= celula.right(); ++x) {
            const QColor c = imagem.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90) return true;
        }
    return false;
}

QStringList itens(const QListWidget* lista) {
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i) textos << lista->item(i)->text();
    return textos;
}

// C E G Bb, string 1 first, as soundingNotes gives them; C is the bass.
const std::vector<SoundingNote> kDoSetima = {
    {kMi, "E", 1}, {kSiBemol, "Bb", 2}, {kSol, "G", 3}, {kDo, "C", 5}};

}  // namespace

class FingeringWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void cabecalhoEObservacoes_data();
    void cabecalhoEObservacoes();
    void catalogadasEmVermelho();
    void escolha_data();
    void escolha();
    void duploCliqueConfirma();
    void ajuda();
    void posicao_data();
    void posicao();
    void intervalosDoAcorde();
};

void FingeringWindowsTest::cabecalhoEObservacoes_data() {
    QTest::addColumn<bool>("opcional");
    QTest::addColumn<QStringList>("cabecalho");
    QTest::newRow("padrão") << false << QStringList{"Cifra padrão", "Equivalente", "Obs:"};
    QTest::newRow("opcional") << true << QStringList{"Cifra opcional", "Equivalente", "Obs:"};
}

void FingeringWindowsTest::cabecalhoEObservacoes() {
    QFETCH(bool, opcional);
    QFETCH(QStringList, cabecalho);
    Opcoes o(opcional);
    QCOMPARE(o.janela.windowTitle(), QStringLiteral(" Opções de nomenclatura"));
    QStringList linha0, obs;
    for (int c = 0; c < GradeDeOpcoes::kColunas; ++c) linha0 << o.janela.DrawGrid->texto(0, c);
    for (int l = 1; l < GradeDeOpcoes::kLinhas; ++l) obs << o.janela.DrawGrid->texto(l, 2);
    QCOMPARE(linha0, cabecalho);
    QCOMPARE(obs, (QStringList{"", "Sem 5ª", "Sem 1ª", "", ""}));
    QCOMPARE(o.janela.LabelHelp->text(),
             QStringLiteral("Selecione o acorde com um duplo \"click\" do mouse ou destaque-o e "
                            "use os botões abaixo:"));
    QCOMPARE(o.janela.LabelRed->text(),
             QStringLiteral("Cifras em vermelho já têm esta digitação catalogada."));
}

void FingeringWindowsTest::catalogadasEmVermelho() {
    Opcoes o;
    o.janela.DrawGrid->selecionar(3, 0);  // no cell under test in yellow
    const QImage imagem = o.janela.DrawGrid->grab().toImage();
    const QRect catalogada = o.janela.DrawGrid->retanguloCelula(1, 0);
    const QRect nova = o.janela.DrawGrid->retanguloCelula(2, 0);
    QVERIFY(temVermelho(imagem, catalogada));
    QVERIFY(!temVermelho(imagem, nova));
}

void FingeringWindowsTest::escolha_data() {
    QTest::addColumn<QList<QPoint>>("cliques");  // (column, row)
    QTest::addColumn<QList<int>>("teclas");
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("raiz");
    QTest::newRow("primeira") << QList<QPoint>{} << QList<int>{} << kSetima << "C";
    QTest::newRow("equivalente") << QList<QPoint>{{1, 2}} << QList<int>{} << kMaior << "Db";
    QTest::newRow("pelas setas") << QList<QPoint>{} << QList<int>{Qt::Key_Down, Qt::Key_Right}
                                 << kMaior << "Db";
    // Header, empty equivalent, omission and empty row keep the selection.
    QTest::newRow("não selecionáveis")
        << QList<QPoint>{{0, 2}, {0, 0}, {1, 3}, {2, 2}, {0, 4}} << QList<int>{} << kMaior << "C#";
    QTest::newRow("setas sem destino")
        << QList<QPoint>{} << QList<int>{Qt::Key_Up,   Qt::Key_Right, Qt::Key_Down,
                                         Qt::Key_Down, Qt::Key_Down,  Qt::Key_Right}
        << kSetima << "A";
}

void FingeringWindowsTest::escolha() {
    QFETCH(QList<QPoint>, cliques);
    QFETCH(QList<int>, teclas);
    QFETCH(int, tipo);
    QFETCH(QString, raiz);
    Opcoes o;
    for (const QPoint& c : cliques) o.clicar(c.y(), c.x());
    for (int tecla : teclas) QTest::keyClick(o.janela.DrawGrid, Qt::Key(tecla));
    QTest::mouseClick(o.janela.BtnOK, Qt::LeftButton);
    QVERIFY(!o.janela.isVisible());
    QVERIFY(o.janela.resultado().has_value());
    QCOMPARE(o.janela.resultado()->tipo, tipo);
    QCOMPARE(QString::fromStdString(o.janela.resultado()->raiz), raiz);
}

void FingeringWindowsTest::duploCliqueConfirma() {
    Opcoes o;
    QTest::mouseDClick(o.janela.DrawGrid, Qt::LeftButton, {}, o.centro(2, 2));
    QVERIFY(o.janela.isVisible());
    QTest::mouseDClick(o.janela.DrawGrid, Qt::LeftButton, {}, o.centro(2, 1));
    QVERIFY(!o.janela.isVisible());
    QCOMPARE(o.janela.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(o.janela.resultado()->raiz), QStringLiteral("Db"));

    Opcoes cancelada;
    QTest::mouseClick(cancelada.janela.BtnCancel, Qt::LeftButton);
    QVERIFY(!cancelada.janela.isVisible());
    QVERIFY(!cancelada.janela.resultado().has_value());
}

void FingeringWindowsTest::ajuda() {
    Opcoes o;
    QVERIFY(!o.janela.BtnHelp->isEnabled());
    THelpForm ajuda;
    o.janela.setAjuda(&ajuda);
    QTest::mouseClick(o.janela.BtnHelp, Qt::LeftButton);
    QCOMPARE(ajuda.paginaAtual(), QStringLiteral("opcoes_nomenclatura.html"));
}

void FingeringWindowsTest::posicao_data() {
    QTest::addColumn<QRect>("tela");
    QTest::addColumn<QRect>("editor");
    QTest::addColumn<QRect>("braco");  // global, at the editor's present place
    QTest::addColumn<QPoint>("editorFica");
    QTest::addColumn<QPoint>("janelaFica");
    // The window is 400 wide, the editor 800.
    QTest::newRow("à direita") << QRect(0, 0, 1920, 1040) << QRect(100, 50, 800, 600)
                               << QRect(110, 80, 500, 400) << QPoint(100, 50) << QPoint(900, 50);
    QTest::newRow("juntas no centro")
        << QRect(1920, 0, 1280, 1000) << QRect(2500, 70, 800, 600) << QRect(2510, 80, 500, 400)
        << QPoint(1960, 70) << QPoint(2760, 70);
    QTest::newRow("editor empurrado")
        << QRect(0, 0, 1024, 768) << QRect(300, 20, 800, 600) << QRect(310, 80, 490, 400)
        << QPoint(124, 20) << QPoint(624, 20);
    QTest::newRow("editor já à esquerda")
        << QRect(0, 0, 1024, 768) << QRect(50, 20, 800, 600) << QRect(60, 80, 400, 400)
        << QPoint(50, 20) << QPoint(460, 20);
    QTest::newRow("nunca além da borda")
        << QRect(0, 0, 1024, 768) << QRect(10, 20, 1100, 600) << QRect(20, 80, 680, 400)
        << QPoint(0, 20) << QPoint(624, 20);
}

void FingeringWindowsTest::posicao() {
    QFETCH(QRect, tela);
    QFETCH(QRect, editor);
    QFETCH(QRect, braco);
    QFETCH(QPoint, editorFica);
    QFETCH(QPoint, janelaFica);
    const LadoALado lugar = posicaoDasOpcoes(tela, editor, QSize(400, 300), braco);
    QCOMPARE(lugar.editor, editorFica);
    QCOMPARE(lugar.janela, janelaFica);
}

// C E G Bb over C: every note measured from C; "Base" on E measures from E.
void FingeringWindowsTest::intervalosDoAcorde() {
    TCriarForm janela;
    janela.preparar(kDoSetima, 3);
    janela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&janela));
    QCOMPARE(janela.windowTitle(), QStringLiteral(" Intervalos do acorde"));
    const QStringList notas = {"E", "Bb", "G", "C", "", ""};
    const QList<QStringList> deDo = {
        {"3", "Base"}, {"b7", "Base"}, {"5", "Base"}, {"Base"}, {}, {}};
    for (int k = 0; k < TCriarForm::kNotas; ++k) {
        QCOMPARE(janela.Label[k]->text(), notas[k]);
        QCOMPARE(itens(janela.ListBox[k]), deDo[k]);
        QCOMPARE(janela.ListBox[k]->isEnabled(), k < 4);
    }

    QListWidget* mi = janela.ListBox[0];
    QTest::mouseClick(mi->viewport(), Qt::LeftButton, {}, mi->visualItemRect(mi->item(1)).center());
    QCOMPARE(itens(janela.ListBox[3]), (QStringList{"#5", "b13", "Base"}));
    janela.ListBox[1]->setCurrentRow(1);  // Bb as #11 rather than b5
    QTest::mouseClick(janela.BtnOK, Qt::LeftButton);
    QVERIFY(janela.resultado().has_value());
    QCOMPARE(janela.resultado()->grafia, std::string("E"));
    // First items elsewhere: G as b3, C as #5; table order, not string order.
    QCOMPARE(janela.resultado()->intervalos, (IntervalosTipo{2, 7, 16, 0, 0}));
}

QTEST_MAIN(FingeringWindowsTest)
#include "fingering_windows_test.moc"
