// The diagram appearance window driven as a user drives it: plus and minus, typed values and
// their messages, clicks on the example, Cancel, OK, "Aparência original" and "Tornar padrão".

#include "ui/aspect/aspect_form.h"
#include "app/trovale_program.h"
#include "drawing/appearance_file.h"
#include "drawing/appearance_validation.h"
#include "ui/aspect/diagram_box.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "catalogue_folder.h"
#include "support/recording_dialogs.h"
#include "ui/main_window/trovale_form1.h"

using namespace trovale;

namespace {

std::string lerArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    std::ostringstream texto;
    texto << entrada.rdbuf();
    return texto.str();
}

// A window on a temporary program directory, shown and painted.
struct Montagem {
    QTemporaryDir dir;
    std::filesystem::path pasta{dir.path().toStdString()};
    DiskFileSystem fs{false};
    Aparencia aparencia;
    testing::RecordingDialogs dialogs;
    std::unique_ptr<TAspectForm> janela;

    explicit Montagem(const std::string& aspecto = {}) {
        if (!aspecto.empty()) std::ofstream(pasta / kArquivoAparencia, std::ios::binary) << aspecto;
        criar();
    }
    void criar() {
        janela = std::make_unique<TAspectForm>(aparencia, fs, pasta);
        janela->setDialogs(&dialogs);
    }
    void mostrar() {
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        janela->PBexemplo->repaint();
    }
    const MedidasDiagrama& medidas() const { return janela->medidas(); }
    void selecionar(int numero) {
        QTest::mouseClick(janela->edit(numero), Qt::LeftButton);
        QCOMPARE(janela->selecionado(), numero);
    }
    void digitar(int numero, const QString& texto) {
        QLineEdit* e = janela->edit(numero);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, texto);
    }
    // Centre of a string band across and of a casa along, in the vertical example.
    QPoint ponto(int corda, int casa) const {
        const MedidasDiagrama& m = medidas();
        return {(m.Corda[corda].inicio + m.Corda[corda].fim) / 2,
                (m.Casa[casa].inicio + m.Casa[casa].fim) / 2};
    }
};

// On its circle: a radio stretched across its group takes no click beyond its caption.
void clicar(QRadioButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

int pixelsDe(const MedidasDiagrama& m, int numero) {
    const int valores[] = {m.Wc, m.Wt, m.Wb, m.Wp, m.Rp, m.Rt, m.Wl};
    return valores[numero - 1];
}

}  // namespace

class AspectFormTest : public QObject {
    Q_OBJECT
  private slots:
    void creationReadsTheFile();
    void damagedFileGivesTheFactorySettings();
    void plusAndMinusMoveOnePixel_data();
    void plusAndMinusMoveOnePixel();
    void keysInTheEdits();
    void typedValues_data();
    void typedValues();
    void leavingAnEditValidatesIt();
    void clickOnTheExampleSelectsItsEdit_data();
    void clickOnTheExampleSelectsItsEdit();
    void exampleFollowsTheCasas();
    void captionsFollowTheOrientation();
    void cancelRestoresTheSettingsOfTheShowing();
    void okKeepsTheSettings();
    void tornarPadraoWritesTheFile();
    void failedWriteIsReported();
    void theProgramMakesItAtStartAndTheMenuOpensIt();
};

void AspectFormTest::creationReadsTheFile() {
    Aparencia salva;
    salva.Orientacao = kOrientacaoHorizontal;
    salva.Extensao = 1;
    salva.RP = 0.04;
    Montagem m(bytesAparencia(salva));
    QCOMPARE(m.aparencia, salva);
    QVERIFY(m.janela->HorizontalRB->isChecked());
    QVERIFY(m.janela->RB4casas->isChecked());
    QCOMPARE(m.janela->edit(kPropRP)->text(), QStringLiteral("4.000"));
    QCOMPARE(m.janela->edit(kPropWP)->text(), QStringLiteral("3.334"));
    QVERIFY(m.dialogs.avisos.empty());
}

void AspectFormTest::damagedFileGivesTheFactorySettings() {
    Montagem m("1 2 1 1\r\n0.01 0.02 0.03 0.03334 0.05 0.04 0.5\r\n");
    QCOMPARE(m.aparencia, Aparencia{});
    QVERIFY(m.janela->VerticalRB->isChecked());
    QVERIFY(m.janela->RB5casas->isChecked());
    QVERIFY(m.dialogs.avisos.empty());
}

void AspectFormTest::plusAndMinusMoveOnePixel_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("passo");
    QTest::addColumn<bool>("muda");
    QTest::newRow("string +1") << int(kPropWC) << 1 << true;
    QTest::newRow("string -1") << int(kPropWC) << -1 << true;
    // Any pixel more would break the 2:3 ratio with the base.
    QTest::newRow("fret +1") << int(kPropWT) << 1 << false;
    QTest::newRow("fret -1") << int(kPropWT) << -1 << true;
    QTest::newRow("base +1") << int(kPropWB) << 1 << true;
    QTest::newRow("barre +1") << int(kPropWP) << 1 << true;
    QTest::newRow("dot -1") << int(kPropRP) << -1 << true;
    QTest::newRow("bass -1") << int(kPropRT) << -1 << true;
    QTest::newRow("symbol lines +1") << int(kPropWL) << 1 << true;
}

void AspectFormTest::plusAndMinusMoveOnePixel() {
    QFETCH(int, numero);
    QFETCH(int, passo);
    QFETCH(bool, muda);
    Montagem m;
    m.mostrar();
    m.selecionar(numero);
    QVERIFY(m.medidas().W > 200);
    const MedidasDiagrama antes = m.medidas();
    const Aparencia anterior = m.aparencia;
    const int pixels = pixelsDe(antes, numero);
    QTest::mouseClick(passo > 0 ? m.janela->SpeedButtonMais : m.janela->SpeedButtonMenos,
                      Qt::LeftButton);
    if (!muda) {
        QCOMPARE(m.aparencia, anterior);
        QCOMPARE(pixelsDe(m.medidas(), numero), pixels);
        return;
    }
    QCOMPARE(pixelsDe(m.medidas(), numero), pixels + passo);
    double esperado = double(pixels + passo) / antes.W;
    if (numero == kPropWP) esperado = 2.0 * (pixels + passo) * anterior.RP / antes.Rp;
    if (numero == kPropWL) esperado = double(pixels + passo) * anterior.RT / antes.Rt;
    QCOMPARE(m.aparencia.proporcao(numero), esperado);
    for (int k = kPropWC; k <= kPropWL; ++k)
        if (k != numero) QCOMPARE(m.aparencia.proporcao(k), anterior.proporcao(k));
    QCOMPARE(m.janela->edit(numero)->text(),
             QString::fromStdString(formatarPercentual(esperado)).trimmed());
    // The force lasts for one redraw: the next one derives the same pixels from the value.
    for (bool forcado : m.medidas().Forcado) QVERIFY(!forcado);
    m.janela->PBexemplo->repaint();
    QCOMPARE(pixelsDe(m.medidas(), numero), pixels + passo);
    QVERIFY(m.janela->edit(numero)->hasFocus());
    QVERIFY(m.dialogs.avisos.empty());
}

void AspectFormTest::keysInTheEdits() {
    Montagem m;
    m.mostrar();
    m.selecionar(kPropWC);
    const int pixels = m.medidas().Wc;
    QLineEdit* e = m.janela->edit(kPropWC);
    QTest::keyClick(e, Qt::Key_Plus);
    QCOMPARE(m.medidas().Wc, pixels + 1);
    QTest::keyClick(e, Qt::Key_Minus);
    QTest::keyClick(e, Qt::Key_Minus);
    QCOMPARE(m.medidas().Wc, pixels - 1);
    m.digitar(kPropWC, QStringLiteral("1x,a5 "));
    QCOMPARE(e->text(), QStringLiteral("1,5"));
    QVERIFY(e->isModified());
}

void AspectFormTest::typedValues_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");  // 0 when refused
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<int>("cursor");
    QTest::newRow("comma") << int(kPropWC) << "1,5" << 0.015 << "" << 0;
    QTest::newRow("second point") << int(kPropWC) << "1.5.0" << 0.0 << "Erro de digitação." << 3;
    QTest::newRow("emptied") << int(kPropRP) << "" << 0.0
                             << "Apesar de admitir-se percentagens baixas, é proibido zerar este "
                                "dado"
                             << 0;
    QTest::newRow("above the maximum")
        << int(kPropWB) << "9.5" << 0.0 << "Novo percentual violaria máximo absoluto (9.000)" << 0;
    QTest::newRow("ratio") << int(kPropRP) << "2.2" << 0.0
                           << "Nova percentagem violaria relação mínima com a das pestanas (2:3)"
                           << 0;
    QTest::newRow("low") << int(kPropWL) << "0.1" << 0.001
                         << "Valor estranhamente baixo, porém aceitável, pois o programa impede "
                            "o desaparecimento de elementos"
                         << 0;
}

void AspectFormTest::typedValues() {
    QFETCH(int, numero);
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QFETCH(QString, mensagem);
    QFETCH(int, cursor);
    Montagem m;
    m.mostrar();
    m.selecionar(numero);
    const Aparencia anterior = m.aparencia;
    m.digitar(numero, texto);
    QLineEdit* e = m.janela->edit(numero);
    QCOMPARE(m.janela->validarEdit(numero), valor != 0);
    if (mensagem.isEmpty())
        QVERIFY(m.dialogs.avisos.empty());
    else
        QCOMPARE(m.dialogs.avisos, std::vector<std::string>{mensagem.toStdString()});
    if (valor == 0) {
        QCOMPARE(m.aparencia, anterior);
        QVERIFY(e->isModified());
        QCOMPARE(e->cursorPosition(), cursor);
        QVERIFY(e->hasFocus());
        return;
    }
    QCOMPARE(m.aparencia.proporcao(numero), valor);
    QCOMPARE(e->text(), QString::fromStdString(formatarPercentual(valor)));
    QVERIFY(!e->isModified());
}

void AspectFormTest::leavingAnEditValidatesIt() {
    Montagem m;
    m.mostrar();
    m.janela->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m.janela.get()));
    m.selecionar(kPropWT);
    m.digitar(kPropWT, QStringLiteral("2.5"));
    QTest::mouseClick(m.janela->edit(kPropWL), Qt::LeftButton);
    QTRY_COMPARE(m.dialogs.avisos.size(), std::size_t(1));
    QCOMPARE(m.dialogs.avisos[0],
             std::string("Nova percentagem violaria relação máxima com a do traste base (2:3)"));
    QTRY_VERIFY(m.janela->edit(kPropWT)->hasFocus());
    QCOMPARE(m.janela->selecionado(), int(kPropWT));
    QCOMPARE(m.aparencia.WT, 0.02);
}

void AspectFormTest::clickOnTheExampleSelectsItsEdit_data() {
    QTest::addColumn<QString>("alvo");
    QTest::addColumn<int>("numero");
    QTest::newRow("base line") << "base" << int(kPropWB);
    QTest::newRow("fret") << "fret" << int(kPropWT);
    QTest::newRow("barre") << "barre" << int(kPropWP);
    QTest::newRow("note dot") << "dot" << int(kPropRP);
    QTest::newRow("string") << "string" << int(kPropWC);
    QTest::newRow("bass symbol") << "bass" << int(kPropRT);
    QTest::newRow("muted symbol") << "muted" << int(kPropWL);
}

void AspectFormTest::clickOnTheExampleSelectsItsEdit() {
    QFETCH(QString, alvo);
    QFETCH(int, numero);
    Montagem m;
    m.mostrar();
    m.selecionar(numero == kPropWL ? kPropWC : kPropWL);
    const MedidasDiagrama& d = m.medidas();
    const int meioCorda3 = (d.Corda[3].inicio + d.Corda[3].fim) / 2;
    const int centroSimbolo = d.Y0 + d.H - 1 - d.Rt;
    QPoint p;
    if (alvo == "base") p = {meioCorda3, d.BordaBase + 1};
    if (alvo == "fret") p = {meioCorda3, d.Casa[1].fim + 1};
    if (alvo == "barre") p = m.ponto(3, 2);  // 5 casas: the barre is at casa 2
    if (alvo == "dot") p = m.ponto(2, 3);
    if (alvo == "string") p = m.ponto(6, 4);
    if (alvo == "bass") p = {m.ponto(5, 1).x(), centroSimbolo};
    if (alvo == "muted") p = {m.ponto(6, 1).x(), centroSimbolo};
    QTest::mouseClick(m.janela->PBexemplo, Qt::LeftButton, {}, p);
    QCOMPARE(m.janela->selecionado(), numero);
    QVERIFY(m.janela->edit(numero)->hasFocus());
}

void AspectFormTest::exampleFollowsTheCasas() {
    Montagem m;
    m.mostrar();
    const auto casas = [&m] {
        const TDigitacao& d = m.janela->exemplo();
        return QList<int>{d.Pestanas[0].Traste, d.Notas[0].Traste, d.Notas[1].Traste,
                          d.Notas[2].Traste};
    };
    QCOMPARE(casas(), (QList<int>{2, 3, 4, 4}));
    clicar(m.janela->RB4casas);
    QCOMPARE(m.aparencia.Extensao, 1);
    QCOMPARE(casas(), (QList<int>{1, 2, 3, 3}));
    m.janela->PBexemplo->repaint();
    QCOMPARE(m.medidas().Casas, 4);
}

void AspectFormTest::captionsFollowTheOrientation() {
    Montagem m;
    m.mostrar();
    const auto legendas = [&m] {
        return QStringList{m.janela->AcEsqRBI->text(), m.janela->AbDirRBI->text(),
                           m.janela->AcEsqRBp->text(), m.janela->AbDirRBp->text()};
    };
    QCOMPARE(legendas(), (QStringList{"A&cima", "A&baixo", "&Esquerda", "&Direita"}));
    clicar(m.janela->HorizontalRB);
    QCOMPARE(m.aparencia.Orientacao, int(kOrientacaoHorizontal));
    QCOMPARE(legendas(), (QStringList{"&Esquerda", "&Direita", "A&cima", "A&baixo"}));
}

void AspectFormTest::cancelRestoresTheSettingsOfTheShowing() {
    Montagem m;
    m.aparencia.RT = 0.03;
    m.aparencia.PrimeiraCorda = 1;
    const Aparencia mostrada = m.aparencia;
    m.mostrar();
    clicar(m.janela->HorizontalRB);
    m.selecionar(kPropWC);
    QTest::mouseClick(m.janela->SpeedButtonMais, Qt::LeftButton);
    QTest::mouseClick(m.janela->BtnFabrica, Qt::LeftButton);
    QCOMPARE(m.aparencia, Aparencia{});
    QCOMPARE(m.janela->edit(kPropRT)->text(), QStringLiteral("4.000"));
    QVERIFY(m.janela->VerticalRB->isChecked());
    QTest::mouseClick(m.janela->BtnCancel, Qt::LeftButton);
    QVERIFY(!m.janela->isVisible());
    QCOMPARE(m.aparencia, mostrada);
    QVERIFY(!std::filesystem::exists(m.pasta / kArquivoAparencia));
    // Closed any other way, too.
    m.mostrar();
    clicar(m.janela->RB4casas);
    m.janela->close();
    QCOMPARE(m.aparencia, mostrada);
}

void AspectFormTest::okKeepsTheSettings() {
    Montagem m;
    m.mostrar();
    clicar(m.janela->AbDirRBI);
    m.selecionar(kPropRP);
    m.digitar(kPropRP, QStringLiteral("4"));
    QTest::mouseClick(m.janela->BtnOK, Qt::LeftButton);
    QVERIFY(!m.janela->isVisible());
    QCOMPARE(m.janela->result(), int(QDialog::Accepted));
    QCOMPARE(m.aparencia.Inicio, 2);
    QCOMPARE(m.aparencia.RP, 0.04);
}

void AspectFormTest::tornarPadraoWritesTheFile() {
    Montagem m(bytesAparencia(Aparencia{}));
    m.mostrar();
    clicar(m.janela->HorizontalRB);
    m.selecionar(kPropWB);
    QTest::mouseClick(m.janela->SpeedButtonMais, Qt::LeftButton);
    const Aparencia emVigor = m.aparencia;
    QVERIFY(emVigor.WB != 0.03);
    QTest::mouseClick(m.janela->BtnPadrao, Qt::LeftButton);
    QVERIFY(m.janela->isVisible());
    QVERIFY(m.dialogs.avisos.empty());
    QCOMPARE(lerArquivo(m.pasta / kArquivoAparencia), bytesAparencia(emVigor));
    // Nothing is left beside it.
    int arquivos = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(m.pasta)) ++arquivos;
    QCOMPARE(arquivos, 1);
    // What was written is what the next start reads.
    QTest::mouseClick(m.janela->BtnCancel, Qt::LeftButton);
    m.criar();
    QCOMPARE(m.aparencia.Orientacao, int(kOrientacaoHorizontal));
    QCOMPARE(m.aparencia.WB, emVigor.WB);
}

void AspectFormTest::failedWriteIsReported() {
    Montagem m;
    m.pasta /= "missing-folder";
    m.criar();
    m.mostrar();
    clicar(m.janela->HorizontalRB);
    QTest::mouseClick(m.janela->BtnPadrao, Qt::LeftButton);
    QCOMPARE(m.dialogs.avisos, std::vector<std::string>{"Erro de gravação"});
    QCOMPARE(m.aparencia.Orientacao, int(kOrientacaoHorizontal));
}

void AspectFormTest::theProgramMakesItAtStartAndTheMenuOpensIt() {
    testing::PastaCatalogo pasta;
    pasta.catalogoValido();
    Aparencia salva;
    salva.Orientacao = kOrientacaoHorizontal;
    pasta.gravar(QString::fromLatin1(kArquivoAparencia),
                 QByteArray::fromStdString(bytesAparencia(salva)));
    OpcoesPrograma opcoes;
    opcoes.somInicial = false;
    opcoes.tempoMinimo = std::chrono::milliseconds(0);
    opcoes.contarImpressoras = [] { return 1; };
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes);
    programa.iniciar();
    QCOMPARE(programa.aparencia(), salva);
    QAction* item = programa.janela()->menu().mAspecto;
    QVERIFY(item->isEnabled());
    QString aberta;
    QTimer::singleShot(0, [&aberta] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        aberta = modal->objectName();
        if (auto* janela = qobject_cast<TAspectForm*>(modal))
            QTest::mouseClick(janela->BtnCancel, Qt::LeftButton);
        else
            modal->close();
    });
    item->trigger();
    QCOMPARE(aberta, QStringLiteral("TAspectForm"));
    QCOMPARE(programa.aparencia(), salva);
}

QTEST_MAIN(AspectFormTest)
#include "aspect_form_test.moc"
