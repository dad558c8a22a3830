// The keyboard focus seen in the program's own drawn controls: each, given the focus, looks
// different from the same control while the focus is elsewhere in its window. A click gives
// the focus here, as the mouse does; the style alone shows it only after a Tab.

#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>

#include "base/file_system.h"
#include "catalogue/catalogue_files.h"
#include "document/chord_renaming.h"
#include "settings/template.h"
#include "support/recording_dialogs.h"
#include "ui/chord_choice/chord_grid.h"
#include "ui/chord_choice/fingering_list.h"
#include "ui/chord_choice/select_form.h"
#include "ui/fingering_editor/choose_form.h"
#include "ui/template_window/element_label.h"
#include "ui/template_window/template_form.h"
#include "ui/transposition/trans_form.h"

using namespace trovale;

namespace {

constexpr int kMaior = 1;

// The shipped catalogue in a program folder of its own, and the windows made on it.
struct Ambiente {
    QTemporaryDir pasta;
    DiskFileSystem fs{false};
    Catalogo catalogo;
    Aparencia aparencia;
    Modelo padrao = modeloDeFabrica();
    testing::RecordingDialogs dialogs;
    std::unique_ptr<TSelectForm> selecao;
    ListaDeDigitacoes lista;
    std::vector<std::unique_ptr<QWidget>> janelas;

    Ambiente() {
        const QDir origem = QFileInfo(QStringLiteral(TROVALE_EXECUTABLE)).dir();
        for (const char* nome : {"ACORDES.TIP", "POSICOES.DIG"})
            QFile::copy(origem.filePath(QLatin1String(nome)), pasta.filePath(QLatin1String(nome)));
        AbrirCatalogo({pasta.path().toStdString(), fs}, catalogo, dialogs);
        selecao = std::make_unique<TSelectForm>(catalogo, aparencia, dialogs);
    }
    template <typename Janela>
    Janela& guardar(std::unique_ptr<Janela> janela) {
        Janela& j = *janela;
        janelas.push_back(std::move(janela));
        return j;
    }
    // The browser's grid alone in a window, beside a button to take the focus away.
    ChordGrid& grade(bool comDigitacoes) {
        auto& janela = guardar(std::make_unique<QWidget>());
        auto* layout = new QVBoxLayout(&janela);
        auto* grade = new ChordGrid(catalogo.tipos, aparencia, &janela);
        layout->addWidget(grade);
        layout->addWidget(new QPushButton(QStringLiteral("Selecionar"), &janela));
        if (comDigitacoes) lista = montarLista(catalogo, "C", kMaior, aparencia.casas());
        grade->setLista(&lista);
        return *grade;
    }
};

// Makes the window and gives the control to look at.
using Montagem = std::function<QWidget*(Ambiente&)>;

// Another control of the same window that takes the focus from a click.
QWidget* outroControle(QWidget& controle) {
    for (QWidget* w : controle.window()->findChildren<QWidget*>())
        if (w != &controle && !controle.isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::ClickFocus) && !w->focusProxy())
            return w;
    return nullptr;
}

}  // namespace

Q_DECLARE_METATYPE(Montagem)

class FocusVisibleTest : public QObject {
    Q_OBJECT

  private slots:
    void theFocusedControlShowsIt_data();
    void theFocusedControlShowsIt();
};

void FocusVisibleTest::theFocusedControlShowsIt_data() {
    QTest::addColumn<Montagem>("montar");
    QTest::newRow("names of a fingering") << Montagem([](Ambiente& a) -> QWidget* {
        auto& janela = a.guardar(std::make_unique<TChooseForm>());
        Identification id;
        id.candidates = {{kMaior, "C", kCompleto, false, "C", "", ""},
                         {kMaior, "C#", kCompleto, false, "C#", "Db", "Db"}};
        id.count = 2;
        janela.preparar(id, a.catalogo.tipos, false);
        return janela.DrawGrid;
    });
    QTest::newRow("fingerings of a chord") << Montagem([](Ambiente& a) -> QWidget* {
        ChordGrid& grade = a.grade(true);
        return grade.quantidade() > 0 ? &grade : nullptr;
    });
    QTest::newRow("a chord without fingerings")
        << Montagem([](Ambiente& a) -> QWidget* { return &a.grade(false); });
    QTest::newRow("an element of the template") << Montagem([](Ambiente& a) -> QWidget* {
        auto& janela = a.guardar(std::make_unique<TModelForm>(a.padrao, a.fs,
                                                              a.pasta.path().toStdString(), a.dialogs));
        return janela.labelDoElemento(2);
    });
    QTest::newRow("the chords of a transposition") << Montagem([](Ambiente& a) -> QWidget* {
        auto& janela = a.guardar(std::make_unique<TTransForm>(a.catalogo, a.aparencia, a.dialogs,
                                                              a.selecao->navegador()));
        ChordTable tabela;
        tabela.append("Cf", std::to_string(kMaior), "0");
        tabela.append("Gf", std::to_string(kMaior), "0");
        janela.preparar(linhasParaTransposicao(tabela));
        return janela.ListBox;
    });
}

void FocusVisibleTest::theFocusedControlShowsIt() {
    QFETCH(Montagem, montar);
    Ambiente a;
    QWidget* controle = montar(a);
    QVERIFY(controle);
    QWidget& janela = *controle->window();
    janela.show();
    janela.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&janela));
    QWidget* outro = outroControle(*controle);
    QVERIFY(outro);

    outro->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(outro->hasFocus());
    const QImage semFoco = controle->grab().toImage();
    controle->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(controle->hasFocus());
    QVERIFY(controle->grab().toImage() != semFoco);
    // And back: the mark goes with the focus.
    outro->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(outro->hasFocus());
    QCOMPARE(controle->grab().toImage(), semFoco);
}

QTEST_MAIN(FocusVisibleTest)
#include "focus_visible_test.moc"
