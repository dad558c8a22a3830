// The presentation template window driven as a user drives it: fonts, capitals, the diagram
// size, the presentation radios, "Tornar padrão", "Adotar padrão" and the line-meaning mode.

#include "ui/template_window/template_form.h"

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "base/file_system.h"
#include "support/recording_dialogs.h"
#include "ui/template_window/element_drag.h"
#include "ui/template_window/element_label.h"
#include "ui/template_window/size_edit.h"
#include "ui/template_window/template_placement.h"

using namespace trovale;

namespace {

const std::string kMensagemTamanho = "Tamanho deve situar-se entre 0.9 e 10 cm";

std::string lerArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    std::ostringstream texto;
    texto << entrada.rdbuf();
    return texto.str();
}

struct Montagem {
    QTemporaryDir dir;
    std::filesystem::path pasta{dir.path().toStdString()};
    DiskFileSystem fs{false};
    Modelo padrao = modeloDeFabrica();
    testing::RecordingDialogs dialogs;
    std::unique_ptr<TModelForm> janela;

    Montagem() { criar(); }
    void criar() { janela = std::make_unique<TModelForm>(padrao, fs, pasta, dialogs); }

    // Runs `acoes` inside the modal window, closing it with Cancel if they leave it open.
    bool editar(const Modelo& modelo, const std::function<void()>& acoes) {
        QTimer::singleShot(0, janela.get(), [this, acoes] {
            janela->activateWindow();
            if (QTest::qWaitForWindowActive(janela.get())) acoes();
            if (janela->isVisible()) QTest::mouseClick(janela->CancelBtn, Qt::LeftButton);
        });
        return janela->editar(modelo);
    }
    void digitarTamanho(const QString& texto) {
        janela->EditSize->selectAll();
        QTest::keyClick(janela->EditSize, Qt::Key_Backspace);
        QTest::keyClicks(janela->EditSize, texto);
    }
    QRadioButton* radio(const QString& nome) const {
        return janela->findChild<QRadioButton*>(nome);
    }
};

// On its circle: a radio stretched across its group takes no click beyond its caption.
void clicar(QRadioButton* radio) {
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

// Right-clicks a label and picks an item of its popup; gives the item checked before.
QString escolherNoMenu(ElementLabel* label, const QString& item) {
    QString marcado;
    QTimer::singleShot(0, [&marcado, item] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions()) {
            if (a->isChecked()) marcado = a->text();
            if (a->text() == item) menu->setActiveAction(a);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    // What the right button's press gives the label.
    const QPoint meio = label->rect().center();
    QContextMenuEvent clique(QContextMenuEvent::Mouse, meio, label->mapToGlobal(meio));
    QCoreApplication::sendEvent(label, &clique);
    return marcado;
}

bool soltar(ElementLabel* alvo, const QMimeData* dados) {
    const QPoint meio = alvo->rect().center();
    QDragEnterEvent entrada(meio, Qt::CopyAction, dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(alvo, &entrada);
    QDropEvent soltura(QPointF(meio), Qt::CopyAction, dados, Qt::LeftButton, {});
    QCoreApplication::sendEvent(alvo, &soltura);
    return entrada.isAccepted();
}

}  // namespace

class TemplateWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void capitalsFromThePopup();
    void diagramSize_data();
    void diagramSize();
    void keysInTheSizeEdit_data();
    void keysInTheSizeEdit();
    void radiosAndTheTemplate_data();
    void radiosAndTheTemplate();
    void clickOnARadioGivesTheFocusBackToTheSize();
    void tornarPadraoWritesModeloIni();
    void failedWriteIsReported();
    void adotarShowsTheStoredDefault();
    void aplicarAsksForTheTemplate();
    void fontDialog_data();
    void fontDialog();
    void droppingALabelCopiesItsFont();
    void dragModeOnlyLendsTheElements();
    void helpButtonAndF1();
    void placement_data();
    void placement();
};

void TemplateWindowTest::capitalsFromThePopup() {
    Montagem m;
    Modelo doc = modeloDeFabrica();
    doc.Fonts[6].tamanho = -11;
    m.editar(doc, [&m] {
        ElementLabel* autor = m.janela->LabelAutor;
        QCOMPARE(m.janela->LabelRefrao->text(), QStringLiteral("REFRÃO"));
        QCOMPARE(m.janela->LabelRefrao->font().pointSize(), 11);
        QCOMPARE(escolherNoMenu(autor, QStringLiteral("Só maiúsculas")),
                 QStringLiteral("Fonte normal"));
        QCOMPARE(autor->text(), QStringLiteral("AUTOR"));
        Modelo lido = m.janela->modeloDaJanela(modeloDeFabrica());
        QCOMPARE(lido.Fonts[1].tamanho, -8);
        QCOMPARE(lido.Fonts[6].tamanho, -11);
        QCOMPARE(escolherNoMenu(autor, QStringLiteral("Fonte normal")),
                 QStringLiteral("Só maiúsculas"));
        QCOMPARE(autor->text(), QStringLiteral("Autor"));
        QCOMPARE(m.janela->modeloDaJanela(modeloDeFabrica()).Fonts[1].tamanho, 8);
        escolherNoMenu(m.janela->LabelCifras, QStringLiteral("Só maiúsculas"));
        QCOMPARE(m.janela->LabelCifras->text(), QStringLiteral("CIFRAS (EX: C#M7)"));
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TemplateWindowTest::diagramSize_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("mm");  // 0: refused
    QTest::newRow("0,9") << "0,9" << 9;
    QTest::newRow("10") << "10" << 100;
    QTest::newRow("point") << "2.5" << 25;
    QTest::newRow("0,85") << "0,85" << 0;
    QTest::newRow("10,1") << "10,1" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TemplateWindowTest::diagramSize() {
    QFETCH(QString, texto);
    QFETCH(int, mm);
    Montagem m;
    bool aberta = false;
    const bool ok = m.editar(modeloDeFabrica(), [&] {
        m.digitarTamanho(texto);
        QTest::mouseClick(m.janela->OKBtn, Qt::LeftButton);
        aberta = m.janela->isVisible();
        if (aberta) QTRY_VERIFY(m.janela->EditSize->hasFocus());
    });
    QCOMPARE(ok, mm != 0);
    QCOMPARE(aberta, mm == 0);
    QCOMPARE(m.dialogs.avisos,
             mm ? std::vector<std::string>{} : std::vector<std::string>{kMensagemTamanho});
    const int esperado = mm ? mm : 20;  // the document's own size when refused
    QCOMPARE(m.janela->modeloDaJanela(modeloDeFabrica()).Fonts[4].tamanho, esperado);
}

void TemplateWindowTest::keysInTheSizeEdit_data() {
    QTest::addColumn<QString>("teclas");
    QTest::addColumn<QString>("texto");
    QTest::newRow("letters and a second comma") << "1x,a5, "
                                                << "1,5";
    QTest::newRow("comma after a point") << "2.,5"
                                         << "2.5";
    QTest::newRow("minus and plus") << "-3+"
                                    << "3";
}

void TemplateWindowTest::keysInTheSizeEdit() {
    QFETCH(QString, teclas);
    QFETCH(QString, texto);
    Montagem m;
    m.editar(modeloDeFabrica(), [&] {
        m.digitarTamanho(teclas);
        QCOMPARE(m.janela->EditSize->text(), texto);
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TemplateWindowTest::radiosAndTheTemplate_data() {
    QTest::addColumn<int>("presentation");
    QTest::addColumn<int>("ordem");
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("radioOrdem");  // empty: the order is not asked
    QTest::addColumn<int>("presentationLida");
    QTest::addColumn<int>("ordemLida");
    QTest::newRow("só letra") << 0 << 0 << "RBSL"
                              << "" << 0 << 0;
    QTest::newRow("só letra, order left over") << 0 << 2 << "RBSL"
                                               << "" << 0 << 0;
    QTest::newRow("letra cifrada") << 1 << 0 << "RBLC"
                                   << "" << 1 << 0;
    QTest::newRow("list by key") << 1 << 1 << "RBCL"
                                 << "RBDT" << 1 << 1;
    QTest::newRow("list by appearance") << 1 << 2 << "RBCL"
                                        << "RBDC" << 1 << 2;
    QTest::newRow("diagrams between the lines") << 2 << 0 << "RBLD"
                                                << "" << 2 << 0;
}

void TemplateWindowTest::radiosAndTheTemplate() {
    QFETCH(int, presentation);
    QFETCH(int, ordem);
    QFETCH(QString, modo);
    QFETCH(QString, radioOrdem);
    QFETCH(int, presentationLida);
    QFETCH(int, ordemLida);
    Montagem m;
    Modelo doc = modeloDeFabrica();
    doc.Presentation = presentation;
    doc.DiagramListOrder = ordem;
    m.editar(doc, [&] {
        QVERIFY(m.radio(modo)->isChecked());
        if (!radioOrdem.isEmpty()) QVERIFY(m.radio(radioOrdem)->isChecked());
        for (const char* nome : {"RBDT", "RBDC"})
            QCOMPARE(m.radio(QString::fromLatin1(nome))->isEnabled(), modo == "RBCL");
        const Modelo lido = m.janela->modeloDaJanela(modeloDeFabrica());
        QCOMPARE(lido.Presentation, presentationLida);
        QCOMPARE(lido.DiagramListOrder, ordemLida);
    });
    QVERIFY(!QTest::currentTestFailed());
    // The other way: the radios clicked on a window showing something else.
    Modelo outro = modeloDeFabrica();
    outro.Presentation = modo == "RBLD" ? 0 : 2;
    m.editar(outro, [&] {
        clicar(m.radio(modo));
        if (!radioOrdem.isEmpty()) clicar(m.radio(radioOrdem));
        const Modelo lido = m.janela->modeloDaJanela(modeloDeFabrica());
        QCOMPARE(lido.Presentation, presentationLida);
        QCOMPARE(lido.DiagramListOrder, ordemLida);
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TemplateWindowTest::clickOnARadioGivesTheFocusBackToTheSize() {
    Montagem m;
    m.editar(modeloDeFabrica(), [&m] {
        EditTamanho* edit = m.janela->EditSize;
        QTRY_VERIFY(edit->hasFocus());
        edit->setSelection(0, 1);
        m.janela->LabelTitulo->setFocus();
        QVERIFY(!edit->hasFocus());
        clicar(m.janela->RBLD);
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("2"));
        QVERIFY(!m.janela->RBDT->isEnabled());
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TemplateWindowTest::tornarPadraoWritesModeloIni() {
    Montagem m;
    bool aberta = false;
    m.editar(modeloDeFabrica(), [&] {
        escolherNoMenu(m.janela->LabelTitulo, QStringLiteral("Só maiúsculas"));
        m.digitarTamanho(QStringLiteral("2,5"));
        clicar(m.janela->RBLD);
        QTest::mouseClick(m.janela->BtnPadrao, Qt::LeftButton);
        aberta = m.janela->isVisible();
    });
    QVERIFY(aberta);
    QVERIFY(m.dialogs.avisos.empty());
    QCOMPARE(lerArquivo(m.pasta / "MODELO.INI"), std::string("2 0\r\n"
                                                             "-12 0 1 0 Arial\r\n"
                                                             "8 0 0 0 Arial\r\n"
                                                             "11 0 0 0 Arial\r\n"
                                                             "9 32768 0 0 Arial\r\n"
                                                             "25 0 0 0 Arial\r\n"
                                                             "8 0 1 0 Arial\r\n"
                                                             "11 0 1 0 Arial\r\n"
                                                             "11 0 1 0 Arial\r\n"
                                                             "9 8421504 0 0 Arial\r\n"));
    QCOMPARE(m.padrao.Presentation, 2);
    QCOMPARE(m.padrao.DiagramListOrder, 0);
    QCOMPARE(m.padrao.Fonts[0].tamanho, -12);
    QCOMPARE(m.padrao.Fonts[4].tamanho, 25);
}

void TemplateWindowTest::failedWriteIsReported() {
    Montagem m;
    m.pasta /= "missing-folder";
    m.criar();
    m.editar(modeloDeFabrica(), [&m] {
        m.digitarTamanho(QStringLiteral("30"));
        QTest::mouseClick(m.janela->BtnPadrao, Qt::LeftButton);
        // Nothing is taken while the size is refused.
        QCOMPARE(m.padrao, modeloDeFabrica());
        m.digitarTamanho(QStringLiteral("3"));
        clicar(m.janela->RBSL);
        QTest::mouseClick(m.janela->BtnPadrao, Qt::LeftButton);
    });
    QCOMPARE(m.dialogs.avisos,
             (std::vector<std::string>{kMensagemTamanho,
                                       "Arquivo/caminho impróprio ou dispositivo "
                                       "inválido/defeituoso (ou protegido contra gravação)."}));
    // The fonts and the size are taken before the file is tried, the presentation only after.
    QCOMPARE(m.padrao.Fonts[4].tamanho, 30);
    QCOMPARE(m.padrao.Presentation, 1);
}

void TemplateWindowTest::adotarShowsTheStoredDefault() {
    Montagem m;
    m.padrao.Fonts[1] = {"Courier New", -10, corRgb(0, 0, 255), false, true};
    m.padrao.Fonts[4].tamanho = 15;
    m.padrao.Presentation = 1;
    m.padrao.DiagramListOrder = 1;
    Modelo doc = modeloDeFabrica();
    doc.Presentation = 0;
    m.editar(doc, [&m] {
        QTest::mouseClick(m.janela->BtnAdotar, Qt::LeftButton);
        ElementLabel* autor = m.janela->LabelAutor;
        QCOMPARE(autor->text(), QStringLiteral("AUTOR"));
        QCOMPARE(autor->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(autor->font().pointSize(), 10);
        QVERIFY(autor->font().italic());
        QCOMPARE(autor->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(m.janela->EditSize->text(), QStringLiteral("1,5"));
        QVERIFY(m.janela->RBCL->isChecked());
        QVERIFY(m.janela->RBDT->isChecked());
        QCOMPARE(m.janela->modeloDaJanela(modeloDeFabrica()), m.padrao);
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TemplateWindowTest::aplicarAsksForTheTemplate() {
    Montagem m;
    QSignalSpy pedidos(m.janela.get(), &TModelForm::aplicarPedido);
    bool aberta = false;
    m.editar(modeloDeFabrica(), [&] {
        m.digitarTamanho(QStringLiteral("11"));
        QTest::mouseClick(m.janela->BtnAplicar, Qt::LeftButton);
        QCOMPARE(pedidos.count(), 0);
        m.digitarTamanho(QStringLiteral("4"));
        QTest::mouseClick(m.janela->BtnAplicar, Qt::LeftButton);
        QCOMPARE(pedidos.count(), 1);
        aberta = m.janela->isVisible();
    });
    QVERIFY(aberta);
    QCOMPARE(m.dialogs.avisos, std::vector<std::string>{kMensagemTamanho});
}

void TemplateWindowTest::fontDialog_data() {
    QTest::addColumn<QString>("como");
    QTest::addColumn<bool>("aceita");
    QTest::newRow("double click") << "double click" << true;
    QTest::newRow("Enter on the label") << "Enter" << true;
    QTest::newRow("dialog cancelled") << "double click" << false;
}

void TemplateWindowTest::fontDialog() {
    QFETCH(QString, como);
    QFETCH(bool, aceita);
    Montagem m;
    QFont recebida;
    m.janela->escolherFonte = [&](const QFont& atual, QWidget*) -> std::optional<QFont> {
        recebida = atual;
        if (!aceita) return std::nullopt;
        QFont f(QStringLiteral("DejaVu Serif"), 14);
        f.setItalic(true);
        f.setUnderline(true);
        f.setStrikeOut(true);
        return f;
    };
    Modelo doc = modeloDeFabrica();
    doc.Fonts[2].tamanho = -11;
    m.editar(doc, [&] {
        ElementLabel* letra = m.janela->LabelNormal;
        if (como == "Enter") {
            letra->setFocus();
            QTest::keyClick(letra, Qt::Key_Return);
        } else {
            QTest::mouseDClick(letra, Qt::LeftButton);
        }
    });
    QCOMPARE(recebida.family(), QStringLiteral("Arial"));
    QCOMPARE(recebida.pointSize(), 11);
    const FonteElemento esperada =
        aceita ? FonteElemento{"DejaVu Serif", -14, 0, false, true} : doc.Fonts[2];
    QCOMPARE(m.janela->modeloDaJanela(modeloDeFabrica()).Fonts[2], esperada);
    QVERIFY(!m.janela->LabelNormal->font().underline());
    QVERIFY(!m.janela->LabelNormal->font().strikeOut());
    QCOMPARE(m.janela->LabelNormal->text(), QStringLiteral("LETRA DA MÚSICA"));
}

void TemplateWindowTest::droppingALabelCopiesItsFont() {
    Montagem m;
    Montagem outra;
    Modelo doc = modeloDeFabrica();
    doc.Fonts[6].tamanho = -11;
    m.editar(doc, [&] {
        const auto dados = m.janela->LabelObs->dadosDoArraste();
        // The sheet does not take a font.
        QVERIFY(!elementoArrastado(dados.get()));
        QVERIFY(soltar(m.janela->LabelRefrao, dados.get()));
        QVERIFY(!soltar(m.janela->LabelObs, dados.get()));
        // A label of another window gives nothing.
        QVERIFY(!soltar(m.janela->LabelCoro, outra.janela->LabelAutor->dadosDoArraste().get()));
    });
    const Modelo lido = m.janela->modeloDaJanela(modeloDeFabrica());
    QCOMPARE(lido.Fonts[6], (FonteElemento{"Arial", -9, corRgb(128, 128, 128), false, false}));
    QCOMPARE(m.janela->LabelRefrao->text(), QStringLiteral("REFRÃO"));
    QCOMPARE(lido.Fonts[7], doc.Fonts[7]);
    QCOMPARE(lido.Fonts[8], doc.Fonts[8]);
}

void TemplateWindowTest::dragModeOnlyLendsTheElements() {
    Montagem m;
    bool dialogo = false;
    m.janela->escolherFonte = [&dialogo](const QFont&, QWidget*) -> std::optional<QFont> {
        dialogo = true;
        return QFont(QStringLiteral("DejaVu Serif"), 20);
    };
    Modelo doc = modeloDeFabrica();
    doc.Presentation = 2;
    m.janela->mostrarParaArrastar(doc);
    TModelForm* j = m.janela.get();
    QVERIFY(QTest::qWaitForWindowExposed(j));
    QVERIFY(j->modoArrastar());
    QVERIFY(!j->isModal());
    QVERIFY(j->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(j->windowType(), Qt::Tool);
    QVERIFY(j->RBLD->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{j->OKBtn, j->BtnAplicar, j->BtnPadrao,
                                                      j->BtnAdotar, j->RBSL, j->RBLC, j->RBCL,
                                                      j->RBLD, j->RBDT, j->RBDC, j->EditSize})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(j->CancelBtn->isEnabled());
    j->activateWindow();
    QTRY_VERIFY(j->CancelBtn->hasFocus());
    QCOMPARE(j->LabelHint->text(),
             QStringLiteral("Para modificar o significado de linhas específicas do documento, "
                            "arraste o elemento básico e solte-o sobre elas."));
    QVERIFY(!j->LabelCifras->dadosDoArraste());
    for (ElementLabel* l :
         {j->LabelTitulo, j->LabelAutor, j->LabelNormal, j->LabelRefrao, j->LabelCoro, j->LabelObs})
        QCOMPARE(elementoArrastado(l->dadosDoArraste().get()), std::optional<int>(l->tag()));
    QTest::mouseDClick(j->LabelNormal, Qt::LeftButton);
    QVERIFY(!dialogo);
    QVERIFY(!soltar(j->LabelRefrao, mimeDaFonte(j, 8).get()));
    QCOMPARE(j->modeloDaJanela(modeloDeFabrica()).Fonts, modeloDeFabrica().Fonts);
    QTest::mouseClick(j->CancelBtn, Qt::LeftButton);
    QVERIFY(!j->modoArrastar());
    // Edit mode afterwards has everything back.
    m.editar(doc, [&] {
        QVERIFY(j->isModal());
        QVERIFY(j->OKBtn->isEnabled());
        QVERIFY(j->EditSize->isEnabled());
        QVERIFY(j->LabelHint->text().startsWith(QStringLiteral("Duplo clique")));
        QVERIFY(fonteArrastada(j->LabelCifras->dadosDoArraste().get(), j));
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TemplateWindowTest::helpButtonAndF1() {
    Montagem m;
    QSignalSpy pedidos(m.janela.get(), &TModelForm::ajudaPedida);
    m.editar(modeloDeFabrica(), [&m] {
        QTest::mouseClick(m.janela->BtnHelp, Qt::LeftButton);
        QTest::keyClick(m.janela->EditSize, Qt::Key_F1);
    });
    QCOMPARE(pedidos.count(), 2);
    for (const QList<QVariant>& pedido : pedidos)
        QCOMPARE(pedido.at(0).toString(), QStringLiteral("modelo.html"));
}

void TemplateWindowTest::placement_data() {
    QTest::addColumn<QRect>("previa");  // null: the page setup window is not showing
    QTest::addColumn<int>("topo");      // -1: the main window's top is not known
    QTest::addColumn<int>("y");
    // Screen 1000 x 800 at (0, 20), window 300 x 400.
    QTest::newRow("centred on the preview") << QRect(100, 300, 500, 300) << 50 << 250;
    QTest::newRow("preview high up stays on screen") << QRect(100, 20, 500, 100) << 50 << 20;
    QTest::newRow("main window's top") << QRect() << 150 << 150;
    QTest::newRow("main window's top would not fit") << QRect() << 500 << 20;
    QTest::newRow("nothing known: centred") << QRect() << -1 << 220;
}

void TemplateWindowTest::placement() {
    QFETCH(QRect, previa);
    QFETCH(int, topo);
    QFETCH(int, y);
    const QPoint p = posicaoDoModelo(QRect(0, 20, 1000, 800), QSize(300, 400),
                                     previa.isNull() ? std::nullopt : std::optional<QRect>(previa),
                                     topo < 0 ? std::nullopt : std::optional<int>(topo));
    QCOMPARE(p, QPoint(699, y));
}

QTEST_MAIN(TemplateWindowTest)
#include "template_window_test.moc"
