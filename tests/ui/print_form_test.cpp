// The print window as a user meets it: the list typed, the messages, the pages handed to the
// printer, the progress line and the abort button.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "support/recording_dialogs.h"
#include "ui/print/print_form.h"

using namespace trovale;

namespace {

PageMetrics metricas600() {
    PageMetrics m;
    m.pixelsPorMmX = m.pixelsPorMmY = 600 / 25.4;
    return m;
}

// What a printing routine saw: the pages asked for and the progress line before each page.
struct Registro {
    std::vector<int> paginas;
    QStringList linhas;
    int chamadas = 0;
};

}  // namespace

class PrintFormTest : public QObject {
    Q_OBJECT
  private slots:
    void listTypedInTheWindow_data();
    void listTypedInTheWindow();
    void showsThePrinterAndThePages();
    void abortStopsAfterThePageInPrint();
};

void PrintFormTest::listTypedInTheWindow_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("lista");
    QTest::addColumn<QList<int>>("impressas");
    QTest::addColumn<QString>("aviso");
    QTest::newRow("ranges") << 8 << "1,3  5-8" << QList<int>{1, 3, 5, 6, 7, 8} << "";
    QTest::newRow("reverse") << 8 << "8-5" << QList<int>{8, 7, 6, 5} << "";
    QTest::newRow("letters ignored") << 5 << "3x 3" << QList<int>{3, 3} << "";
    QTest::newRow("past the end")
        << 5 << "6" << QList<int>{} << "Lista de páginas excede limite (1-5).";
    QTest::newRow("blank at the dash")
        << 5 << "2 - 4" << QList<int>{}
        << "Não pode haver espaço entre o traço e o número das páginas.";
    QTest::newRow("two dashes") << 5 << "1-2-3" << QList<int>{}
                                << "\"1-2-3\" não é um número de página nem uma faixa (ex: 5-8).";
}

void PrintFormTest::listTypedInTheWindow() {
    QFETCH(int, total);
    QFETCH(QString, lista);
    QFETCH(QList<int>, impressas);
    QFETCH(QString, aviso);
    testing::RecordingDialogs dialogs;
    TPrintForm janela(dialogs);
    Registro visto;
    bool ficouAberta = false;
    QTimer::singleShot(0, &janela, [&] {
        janela.EditLista->clear();
        QTest::keyClicks(janela.EditLista, lista);
        QVERIFY(janela.RBlista->isChecked());
        QTest::mouseClick(janela.BtnOK, Qt::LeftButton);
        ficouAberta = janela.isVisible();
        if (ficouAberta) janela.reject();
    });
    janela.imprimir(total, QStringLiteral("PDF"), metricas600(),
                    [&](const std::vector<int>& paginas, const AcompanhamentoImpressao&) {
                        visto.paginas = paginas;
                        ++visto.chamadas;
                        return FimImpressao::Concluida;
                    });
    QCOMPARE(QList<int>(visto.paginas.begin(), visto.paginas.end()), impressas);
    QCOMPARE(ficouAberta, !aviso.isEmpty());
    QCOMPARE(dialogs.avisos.empty() ? QString() : QString::fromStdString(dialogs.avisos.front()),
             aviso);
}

void PrintFormTest::showsThePrinterAndThePages() {
    testing::RecordingDialogs dialogs;
    TPrintForm janela(dialogs);
    for (int total : {3, 1}) {
        QTimer::singleShot(0, &janela, [&] {
            QCOMPARE(janela.RBtodas->text().remove(QLatin1Char('&')),
                     QStringLiteral("Todas (%1)").arg(total));
            QVERIFY(janela.RBtodas->isChecked());
            QCOMPARE(janela.EditLista->text(), QStringLiteral("1-%1").arg(total));
            QCOMPARE(janela.RBlista->isVisible(), total > 1);
            QCOMPARE(janela.LabelRes->text(),
                     QStringLiteral("Resolução: 600 x 600 pontos por polegada (DPI)"));
            QVERIFY(janela.LabelHelp->isVisible());
            QVERIFY(!janela.LabelPrinting->isVisible());
            QCOMPARE(janela.BtnCancel->text(), QStringLiteral("C&ancelar"));
            janela.reject();
        });
        QCOMPARE(janela.imprimir(total, QStringLiteral("Laser"), metricas600(), {}),
                 int(QDialog::Rejected));
        QCOMPARE(janela.LabelPrinter->text(), QStringLiteral("Laser"));
    }
}

// "Abortar" pressed while page 2 prints: the job stops after that page and the window
// cannot be closed meanwhile.
void PrintFormTest::abortStopsAfterThePageInPrint() {
    testing::RecordingDialogs dialogs;
    TPrintForm janela(dialogs);
    Registro visto;
    QString legendaCancelar;
    bool okHabilitado = true, fechou = true;
    QTimer::singleShot(0, &janela, [&] { QTest::mouseClick(janela.BtnOK, Qt::LeftButton); });
    janela.imprimir(4, QStringLiteral("PDF"), metricas600(),
                    [&](const std::vector<int>& paginas, const AcompanhamentoImpressao& a) {
                        for (int pagina : paginas) {
                            a.aoComecarPagina(pagina, 10);
                            visto.linhas << janela.LabelPrinting->text();
                            visto.paginas.push_back(pagina);
                            if (pagina == 2) {
                                legendaCancelar = janela.BtnCancel->text();
                                okHabilitado = janela.BtnOK->isEnabled();
                                fechou = janela.close();
                                QTest::mouseClick(janela.BtnCancel, Qt::LeftButton);
                                fechou = fechou || !janela.isVisible();
                            }
                            a.aoAvancar(10);
                            if (a.abortado()) return FimImpressao::Abortada;
                        }
                        return FimImpressao::Concluida;
                    });
    QCOMPARE(legendaCancelar, QStringLiteral("&Abortar"));
    QVERIFY(!okHabilitado);
    QVERIFY(!fechou);
    QCOMPARE(visto.paginas, (std::vector<int>{1, 2}));
    QCOMPARE(visto.linhas,
             (QStringList{QStringLiteral("Imprimindo página 1"), QStringLiteral("Imprimindo página 2")}));
    QVERIFY(!janela.isVisible());
}

QTEST_MAIN(PrintFormTest)
#include "print_form_test.moc"
