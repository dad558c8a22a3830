// The presentation order window driven with the mouse as a user drives it: items held and
// moved, a click that is not a move, the list scrolling by itself, separators typed and
// pulled into the list; then the order confirmed, seen by every chord list, saved and loaded
// back in a new run.

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "base/file_system.h"
#include "catalogue/catalogue_commands.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/type_file.h"
#include "catalogue/type_order.h"
#include "fingering/fingering_builders.h"
#include "render/appearance.h"
#include "support/recording_dialogs.h"
#include "ui/chord_choice/select_form.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/type_editor/interval_list.h"
#include "ui/type_editor/move_form.h"
#include "ui/type_editor/symbol_grid.h"
#include "ui/type_editor/tipos_form.h"

using namespace trovale;

namespace {

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

struct Ordem {
    ProgramFolder pasta;
    Catalogo catalogo;
    testing::RecordingDialogs dialogs;
    LembreteGravacao lembrete;
    std::unique_ptr<TMoveForm> janela;
    qint64 agora = 1000;

    Ordem() {
        AbrirCatalogo(pasta.arquivos(), catalogo, dialogs);
        janela = std::make_unique<TMoveForm>(catalogo, dialogs, lembrete);
        janela->relogio = [this] { return agora; };
        janela->preparar();
        janela->show();
    }
    QWidget* lista() const { return janela->ListBox->viewport(); }
    QPoint centro(int linha) const {
        return janela->ListBox->visualItemRect(janela->ListBox->item(linha)).center();
    }
    // A move with the button held, sent to the widget that holds the mouse.
    void mover(QWidget* dono, QPoint global) {
        const QPointF local = dono->mapFromGlobal(QPointF(global));
        QMouseEvent movido(QEvent::MouseMove, local, QPointF(global), Qt::NoButton, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(dono, &movido);
    }
    void soltar(QWidget* dono, QPoint global) {
        QTest::mouseRelease(dono, Qt::LeftButton, {}, dono->mapFromGlobal(global));
    }
    // Holds item `de` for `ms` milliseconds of the program's clock and drops it on `alvo`.
    void arrastar(int de, QPoint alvo, qint64 ms) {
        QTest::mousePress(lista(), Qt::LeftButton, {}, centro(de));
        agora += ms;
        mover(lista(), alvo);
        soltar(lista(), alvo);
    }
    QPoint naLista(int linha) const { return lista()->mapToGlobal(centro(linha)); }
};

}  // namespace

class TypeOrderTest : public QObject {
    Q_OBJECT

  private slots:
    void separatorsAreMadeFromTypedText();
    void movingTheLastItemToTheTop();
    void aClickThatDoesNotMoveChangesNothing();
    void theTypedSeparatorIsPulledIntoTheList();
    void anItemDroppedOnTheTextBoxLendsItsWords();
    void deletingTheLastSeparatorSelectsTheNewLast();
    void theConfirmedOrderIsEverywhereAndSurvivesANewRun();
};

void TypeOrderTest::separatorsAreMadeFromTypedText() {
    Ordem o;
    QVERIFY(!o.janela->BtnIncluir->isEnabled());
    QVERIFY(!o.janela->BtnOK->isEnabled());
    QTest::keyClicks(o.janela->Edit, QStringLiteral("--  palavra  --"));
    QVERIFY(o.janela->BtnIncluir->isEnabled());
    o.janela->BtnIncluir->click();
    QListWidget& l = *o.janela->ListBox;
    const QString legenda = l.currentItem()->text();
    QCOMPARE(l.currentRow(), l.count() - 1);
    QVERIFY(o.janela->BtnOK->isEnabled());
    QVERIFY(o.janela->BtnExcluir->isEnabled());
    // As wide as the model separator allows, the same dashes on both sides.
    const auto partes = QRegularExpression(QStringLiteral("^(-+) palavra (-+)$")).match(legenda);
    QVERIFY2(partes.hasMatch(), qPrintable(legenda));
    QCOMPARE(partes.captured(1), partes.captured(2));
    const QFontMetrics m = l.fontMetrics();
    const int modelo =
        m.horizontalAdvance(QString::fromLatin1(kSeparadorModelo.data(), kSeparadorModelo.size()));
    QVERIFY(m.horizontalAdvance(legenda) <= modelo);
    QVERIFY(m.horizontalAdvance(QLatin1Char('-') + legenda + QLatin1Char('-')) > modelo);
}

void TypeOrderTest::movingTheLastItemToTheTop() {
    Ordem o;
    QListWidget& l = *o.janela->ListBox;
    const QStringList antes = o.janela->itens();
    l.scrollToBottom();
    const int ultima = l.count() - 1;
    QTest::mousePress(o.lista(), Qt::LeftButton, {}, o.centro(ultima));
    o.agora += TMoveForm::kTempoDeArrastoMs;
    // Above the list it scrolls up by itself until the first item shows.
    o.mover(o.lista(), o.lista()->mapToGlobal(QPoint(10, -20)));
    QCOMPARE(o.janela->LabelDrag->text(), QStringLiteral("Movendo item: ") + antes.last());
    QTRY_COMPARE_WITH_TIMEOUT(l.verticalScrollBar()->value(), 0, 10000);
    o.mover(o.lista(), o.naLista(0));
    o.soltar(o.lista(), o.naLista(0));
    QCOMPARE(o.janela->itens(), QStringList{antes.last()} + antes.mid(0, ultima));
    QCOMPARE(l.currentRow(), 0);
    QCOMPARE(o.janela->LabelDrag->text(), QString());
    QVERIFY(o.janela->BtnOK->isEnabled());
}

void TypeOrderTest::aClickThatDoesNotMoveChangesNothing() {
    Ordem o;
    const QStringList antes = o.janela->itens();
    QTest::mousePress(o.lista(), Qt::LeftButton, {}, o.centro(3));
    o.agora += TMoveForm::kTempoDeArrastoMs - 1;
    o.mover(o.lista(), o.naLista(1));
    QCOMPARE(o.janela->LabelDrag->text(), QString());
    o.soltar(o.lista(), o.naLista(1));
    QCOMPARE(o.janela->itens(), antes);
    QVERIFY(!o.janela->BtnOK->isEnabled());
}

void TypeOrderTest::theTypedSeparatorIsPulledIntoTheList() {
    Ordem o;
    const QStringList antes = o.janela->itens();
    QLineEdit& edit = *o.janela->Edit;
    QTest::keyClicks(&edit, QStringLiteral("Bossa"));
    QTest::mousePress(&edit, Qt::LeftButton, {}, QPoint(5, edit.height() / 2));
    o.mover(&edit, edit.mapToGlobal(QPoint(5, edit.height() + 2)));
    QCOMPARE(o.janela->LabelDrag->text(), QStringLiteral("Introduzindo separador: Bossa"));
    o.mover(&edit, o.naLista(2));
    o.soltar(&edit, o.naLista(2));
    const QStringList depois = o.janela->itens();
    QCOMPARE(depois.size(), antes.size() + 1);
    QVERIFY2(
        depois[2].startsWith(QStringLiteral("-")) && depois[2].contains(QStringLiteral(" Bossa ")),
        qPrintable(depois[2]));
    QCOMPARE(depois.mid(3), antes.mid(2));
    QCOMPARE(edit.text(), QString());
    QVERIFY(o.janela->BtnOK->isEnabled());
}

void TypeOrderTest::anItemDroppedOnTheTextBoxLendsItsWords() {
    Ordem o;
    const QStringList antes = o.janela->itens();
    QLineEdit& edit = *o.janela->Edit;
    o.arrastar(0, edit.mapToGlobal(edit.rect().center()), TMoveForm::kTempoDeArrastoMs);
    QCOMPARE(edit.text(), QStringLiteral("Tríades"));
    QCOMPARE(o.janela->itens(), antes);
    QVERIFY(!o.janela->BtnOK->isEnabled());
}

void TypeOrderTest::deletingTheLastSeparatorSelectsTheNewLast() {
    Ordem o;
    QListWidget& l = *o.janela->ListBox;
    const QStringList antes = o.janela->itens();
    l.setCurrentRow(1);  // a type
    QVERIFY(!o.janela->BtnExcluir->isEnabled());
    l.setCurrentRow(l.count() - 1);
    QVERIFY(o.janela->BtnExcluir->isEnabled());
    QTest::keyClick(&l, Qt::Key_Delete);
    QCOMPARE(o.janela->itens(), antes.mid(0, antes.size() - 1));
    QCOMPARE(l.currentRow(), l.count() - 1);
    QVERIFY(o.janela->BtnOK->isEnabled());
}

void TypeOrderTest::theConfirmedOrderIsEverywhereAndSurvivesANewRun() {
    Ordem o;
    // A type of the user's, with a fingering: C7 without its fifth.
    TTiposForm tipos(o.catalogo, o.dialogs, o.lembrete);
    tipos.preparar();
    tipos.show();
    tipos.BtnInclude->click();
    for (const int codigo : {3, 10}) {
        IntervalList& l = *tipos.ListBox1;
        QTest::mouseClick(l.viewport(), Qt::LeftButton, {},
                          l.visualItemRect(l.itemDoCodigo(codigo)).center());
    }
    QTest::keyClicks(tipos.EditNome, QStringLiteral("Setima sem quinta"));
    tipos.BtnEditarPadrao->click();
    tipos.StringGrid->item(2, 1)->setText(QStringLiteral("7"));
    tipos.StringGrid->item(2, 4)->setText(QStringLiteral("no5"));
    tipos.BtnConfirmEdit->click();
    tipos.BtnConfirmTask->click();
    QCOMPARE(tipos.tarefa(), Tarefa::Nenhuma);
    const int novo = kTiposBasicos + 1;
    testing::catalogarDireto(o.catalogo, testing::dedilhado("x 3 2 3 x x"), 4, novo);
    o.catalogo.DigitacoesAlteradas = true;

    // Moved to the top under a separator of its own.
    o.janela->preparar();
    QListWidget& l = *o.janela->ListBox;
    l.scrollToBottom();
    const int destino = l.count() - 3;
    o.arrastar(l.count() - 1, o.naLista(destino), TMoveForm::kTempoDeArrastoMs);
    QTest::keyClicks(o.janela->Edit, QStringLiteral("Meus"));
    o.janela->BtnIncluir->click();
    const QStringList ordem = o.janela->itens();
    o.janela->BtnOK->click();
    QVERIFY(!o.janela->isVisible());
    QCOMPARE(o.catalogo.tipos.OrdemTipos.at(destino), novo);
    QCOMPARE(o.catalogo.tipos.OrdemTipos.back(), 0);
    QVERIFY(o.catalogo.TiposAlterados);
    // One reminder for both windows.
    QCOMPARE(std::count_if(o.dialogs.avisos.begin(), o.dialogs.avisos.end(),
                           [](const std::string& a) { return a.starts_with("Todas as altera"); }),
             1);

    // Every chord list offers the new order at once.
    const auto textos = [](const QComboBox& c) {
        QStringList t;
        for (int k = 0; k < c.count(); ++k) t << c.itemText(k);
        return t;
    };
    tipos.preparar();
    QCOMPARE(textos(*tipos.ComboBox), ordem);
    Aparencia aparencia;
    TSelectForm selecao(o.catalogo, aparencia, o.dialogs);
    selecao.preparar({}, false);
    QCOMPARE(textos(*selecao.ComboBoxTipo), ordem);

    // Saved with "Salvar atualizações acima", the next run loads the same catalogue.
    comandoGravarJunto(o.pasta.arquivos(), o.catalogo, o.dialogs, [] { return 45000.0; });
    Catalogo aberto;
    testing::RecordingDialogs avisos;
    AbrirCatalogo(o.pasta.arquivos(), aberto, avisos);
    QVERIFY(avisos.avisos.empty());
    QVERIFY(aberto.tipos.OrdemTipos == o.catalogo.tipos.OrdemTipos);
    QVERIFY(aberto.tipos.Legendas == o.catalogo.tipos.Legendas);
    QVERIFY(escreverTipos(aberto.tipos) == escreverTipos(o.catalogo.tipos));
    QVERIFY(aberto.digitacoes.Digitacoes == o.catalogo.digitacoes.Digitacoes);
    QCOMPARE(aberto.digitacoes.DigitacoesRejeitadas, 0);
    QVERIFY(aberto.digitacoes.TemDigitacoes(novo));
}

QTEST_MAIN(TypeOrderTest)
#include "type_order_test.moc"
