// The help window: its three entry points, the search that finds pages and lights up the
// words, and the pages themselves (titles, links).

#include "ui/help/help_form.h"
#include "ui/help/help_library.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QtTest>

using namespace trovale;

namespace {

QLineEdit* searchField(THelpForm& form) {
    return form.findChild<QLineEdit*>(QStringLiteral("EditProcura"));
}
QListWidget* pageList(THelpForm& form) {
    return form.findChild<QListWidget*>(QStringLiteral("ListaPaginas"));
}
QTextBrowser* browser(THelpForm& form) {
    return form.findChild<QTextBrowser*>(QStringLiteral("Texto"));
}

QStringList listedFiles(THelpForm& form) {
    QStringList files;
    QListWidget* list = pageList(form);
    for (int row = 0; row < list->count(); ++row)
        files << list->item(row)->data(Qt::UserRole).toString();
    return files;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void entradas_data();
    void entradas();
    void procura_data();
    void procura();
    void procuraSemResultado();
    void paginas();
};

void HelpTest::entradas_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("pagina");
    QTest::addColumn<QString>("foco");
    QTest::newRow("mConteudo") << "conteudo"
                               << "conteudo.html"
                               << "ListaPaginas";
    QTest::newRow("mAssunto") << "assunto"
                              << "conteudo.html"
                              << "EditProcura";
    QTest::newRow("mComoUsar") << "como usar"
                               << "como_usar.html"
                               << "Texto";
}

void HelpTest::entradas() {
    QFETCH(QString, comando);
    QFETCH(QString, pagina);
    QFETCH(QString, foco);
    QWidget parent;
    THelpForm form(&parent);
    if (comando == QLatin1String("conteudo")) form.mostrarConteudo();
    if (comando == QLatin1String("assunto")) form.mostrarAssunto();
    if (comando == QLatin1String("como usar")) form.mostrarComoUsar();

    QVERIFY(form.isVisible());
    QVERIFY(!form.isModal());
    QCOMPARE(form.windowTitle(), QStringLiteral(" Trovale - Ajuda"));
    QCOMPARE(form.paginaAtual(), pagina);
    QVERIFY(!browser(form)->document()->toPlainText().isEmpty());
    QCOMPARE(form.focusWidget()->objectName(), foco);
    // With no words typed the list is the whole contents.
    QCOMPARE(listedFiles(form).size(), form.library().pages().size());
}

void HelpTest::procura_data() {
    QTest::addColumn<QString>("palavras");
    QTest::addColumn<QString>("pagina");
    QTest::newRow("backup do catalogo") << "CtlgBackUp"
                                        << "catalogo.html";
    QTest::newRow("sem acento") << "diminuto"
                                << "acordes.html";
    QTest::newRow("acento e caixa ignorados") << "PESTANA"
                                              << "digitacoes.html";
    QTest::newRow("duas palavras") << "marcador refrao"
                                   << "escrever_musica.html";
    QTest::newRow("lista de paginas") << "Abortar"
                                      << "impressao.html";
    QTest::newRow("atalho") << "Ctrl+O"
                            << "atalhos.html";
    QTest::newRow("como procurar") << "amarelo"
                                   << "como_usar.html";
}

// Typing words lists the pages that hold them; Enter opens the first and marks every
// occurrence on it.
void HelpTest::procura() {
    QFETCH(QString, palavras);
    QFETCH(QString, pagina);
    THelpForm form;
    form.mostrarAssunto();
    QTest::keyClicks(searchField(form), palavras);

    const QStringList found = listedFiles(form);
    QVERIFY2(!found.isEmpty(), qPrintable(palavras));
    QCOMPARE(found.first(), pagina);
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("LabelLista"))->text(),
             QStringLiteral("Páginas encontradas:"));

    QTest::keyClick(searchField(form), Qt::Key_Return);
    QCOMPARE(form.paginaAtual(), pagina);
    const QList<QTextEdit::ExtraSelection> marks = browser(form)->extraSelections();
    QVERIFY(!marks.isEmpty());
    for (const QString& word : HelpLibrary::words(palavras)) {
        const QRegularExpression pattern = HelpLibrary::wordPattern(word);
        int expected = 0;
        const QString text = browser(form)->document()->toPlainText();
        for (auto it = pattern.globalMatch(text); it.hasNext(); it.next()) ++expected;
        int marked = 0;
        for (const auto& mark : marks)
            if (pattern.match(mark.cursor.selectedText()).hasMatch()) ++marked;
        QVERIFY2(expected > 0, qPrintable(word));
        QCOMPARE(marked, expected);
    }
}

void HelpTest::procuraSemResultado() {
    THelpForm form;
    form.mostrarAssunto();
    QTest::keyClicks(searchField(form), QStringLiteral("acorde xilofone"));
    QVERIFY(listedFiles(form).isEmpty());
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("LabelLista"))->text(),
             QStringLiteral("Nenhuma página contém estas palavras."));
    QTest::keyClick(searchField(form), Qt::Key_Return);
    QCOMPARE(form.paginaAtual(), QStringLiteral("conteudo.html"));

    // Clearing the field brings the whole contents back.
    searchField(form)->clear();
    QCOMPARE(listedFiles(form).size(), form.library().pages().size());
}

// Every page has a title, is reached from the contents page, and links only to pages
// that exist.
void HelpTest::paginas() {
    const HelpLibrary library;
    QVERIFY(library.pages().size() >= 7);
    QCOMPARE(library.pages().first().arquivo, HelpLibrary::kConteudo);
    for (const char* topic : {"escrever_musica.html", "acordes.html", "impressao.html",
                              "catalogo.html", "atalhos.html", "como_usar.html"})
        QVERIFY2(library.indexOf(QString::fromLatin1(topic)) > 0, topic);

    const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    QFile contents(HelpLibrary::kPasta + QLatin1Char('/') + HelpLibrary::kConteudo);
    QVERIFY(contents.open(QIODevice::ReadOnly));
    const QString contentsHtml = QString::fromUtf8(contents.readAll());
    for (const HelpPage& page : library.pages()) {
        QVERIFY2(page.titulo != page.arquivo, qPrintable(page.arquivo));
        if (page.arquivo != HelpLibrary::kConteudo)
            QVERIFY2(contentsHtml.contains(QStringLiteral("href=\"") + page.arquivo),
                     qPrintable(page.arquivo));
        QFile file(HelpLibrary::kPasta + QLatin1Char('/') + page.arquivo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(library.indexOf(target) >= 0,
                     qPrintable(page.arquivo + QStringLiteral(" -> ") + target));
        }
    }
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
