// The message and question windows, driven as a user drives them: the modal window is
// answered from a timer with keys and clicks, and the texts it showed are checked word for word.

#include "ui/dialogs/confirm_form.h"
#include "ui/dialogs/info_form.h"
#include "ui/dialogs/question_texts.h"
#include "ui/dialogs/window_dialogs.h"
#include "ui/dialogs/wrapped_text_box.h"
#include "ui/dialogs/yes_no_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <stdexcept>

using namespace trovale;

Q_DECLARE_METATYPE(trovale::Resposta)

namespace {

const QString kSeparador = QStringLiteral("-   -   -   -   -   -   -   -   -   -   -   -");

// Runs `act` on the modal window as soon as it is up. A window still open after five
// seconds is closed, so that a failing test ends instead of waiting for a user.
class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                act(*dialog);
        });
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->done(-1);
        });
        watchdog_.start(5000);
    }

  private:
    QTimer watchdog_;
};

void pressKey(QDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, key, modifiers);
}

void clickButton(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    if (button) QTest::mouseClick(button, Qt::LeftButton);
}

QString labelText(const QDialog& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<sem %1>").arg(QString::fromLatin1(name));
}

QString focusName(const QDialog& dialog) {
    return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
}

// The way a test answers a window: a key on the focused control or a click on a button.
void answer(QDialog& dialog, const QString& how) {
    if (how == QLatin1String("Enter")) pressKey(dialog, Qt::Key_Return);
    if (how == QLatin1String("Tab+Enter")) {
        pressKey(dialog, Qt::Key_Tab);
        pressKey(dialog, Qt::Key_Return);
    }
    if (how == QLatin1String("Esc")) pressKey(dialog, Qt::Key_Escape);
    if (how == QLatin1String("fechar")) dialog.close();
    if (how.startsWith(QLatin1String("Btn"))) clickButton(dialog, how.toLatin1().constData());
}

QPoint screenCentre() {
    return QGuiApplication::primaryScreen()->availableGeometry().center();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void pergunta_data();
    void pergunta();
    void perguntaSoFechaComResposta();
    void perguntaForaDosTipos();
    void perguntaComCaminhoLongo();
    void aviso_data();
    void aviso();
    void avisoDuranteAviso();
    void avisoTamanho_data();
    void avisoTamanho();
    void confirmar_data();
    void confirmar();
    void confirmarTitulo_data();
    void confirmarTitulo();

  private:
    QWidget parent_;
};

void DialogsTest::pergunta_data() {
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("argumento");
    QTest::addColumn<QStringList>("linhas");
    QTest::addColumn<QString>("pergunta");
    QTest::addColumn<bool>("porLinha");
    QTest::addColumn<QString>("resposta");
    QTest::addColumn<Resposta>("esperada");

    QTest::newRow("0 pestana") << 0 << QString()
                               << QStringList{"A transposição deste acorde para outros tons pode,",
                                              "aparentemente, ser feita COM ou SEM pestana (mas",
                                              "esta é uma decisão difícil para um programa)."}
                               << "Usar pestana ?" << false << "Enter" << Resposta::Sim;
    QTest::newRow("1 intervalos")
        << 1 << QString()
        << QStringList{"A exclusão ou modificação dos intervalos de um tipo",
                       "de acorde que já tem posições catalogadas para um",
                       "ou mais tons implica na eliminação destas digitações",
                       "e no bloqueio da gravação isolada destes arquivos."}
        << "Prosseguimos ?" << false << "BtnNao" << Resposta::Nao;
    QTest::newRow("2 digitacoes")
        << 2 << QString()
        << QStringList{"Existem alterações nas digitações que serão perdidas",
                       "se não forem atualizadas antes de realizar esta tarefa"}
        << "Cancela tarefa ?" << false << "Tab+Enter" << Resposta::Nao;
    QTest::newRow("3 saida") << 3 << QString()
                             << QStringList{"ATENÇÃO: você está saindo do programa sem salvar",
                                            "modificações feitas no catálogo de tipos de acordes",
                                            "ou no banco de digitações (use Acordes para salvar)."}
                             << "Cancela saída ?" << false << "BtnSim" << Resposta::Sim;
    QTest::newRow("4 baixos") << 4 << QString()
                              << QStringList{"Os baixos indicados na cifra dada e na digitação do",
                                             "acorde são inconsistentes (o programa pode acertar",
                                             "a cifra, copiando o baixo da digitação escolhida)."}
                              << "Acertar cifra ?" << false << "BtnNao" << Resposta::Nao;
    const QStringList substituicao = {"Já existe um arquivo com este nome no diretório",
                                      "especificado. Sua ordem de gravação resultaria",
                                      "na substituição (perda) de seu conteúdo original."};
    QTest::newRow("5 sem arquivo")
        << 5 << QString() << substituicao << "Confirma ?" << false << "Enter" << Resposta::Sim;
    QTest::newRow("5 com arquivo")
        << 5 << "/home/ana/Músicas/Luar.dec"
        << substituicao + QStringList{kSeparador, "Arquivo: /home/ana/Músicas/Luar.dec", kSeparador}
        << "Confirma ?" << true << "BtnNao" << Resposta::Nao;
    QTest::newRow("6 deletar") << 6 << "/home/ana/Músicas/Velha canção.dec"
                               << QStringList{"Atenção: Deletando documento destacado,",
                                              "sem a menor chance de recuperação ...", kSeparador,
                                              "Arquivo: /home/ana/Músicas/Velha canção.dec",
                                              kSeparador}
                               << "Confirma ?" << true << "Enter" << Resposta::Sim;
    QTest::newRow("7 modo texto")
        << 7 << QString()
        << QStringList{"Atenção: você está saindo da edição em modo texto",
                       "sem confirmar modificações feitas neste modo."}
        << "Cancela saída ?" << false << "BtnSim" << Resposta::Sim;
    QTest::newRow("8 mesma montagem")
        << 8 << "12"
        << QStringList{"A digitação catalogada nº 12 tem a mesma montagem,",
                       "diferindo apenas na forma de usar dedos ou pestanas."}
        << "Confirma tarefa ?" << false << "BtnNao" << Resposta::Nao;
    // A file name that looks like markup is shown as it is written.
    QTest::newRow("5 nome com sinais")
        << 5 << "<b>negrito</b>.dec"
        << substituicao + QStringList{kSeparador, "Arquivo: <b>negrito</b>.dec", kSeparador}
        << "Confirma ?" << true << "Enter" << Resposta::Sim;
}

void DialogsTest::pergunta() {
    QFETCH(int, tipo);
    QFETCH(QString, argumento);
    QFETCH(QStringList, linhas);
    QFETCH(QString, pergunta);
    QFETCH(bool, porLinha);
    QFETCH(QString, resposta);
    QFETCH(Resposta, esperada);

    WindowDialogs dialogs(&parent_);
    QString caption, texto, questao, firstFocus;
    Qt::Alignment alignment;
    ModalAnswer answerer([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        texto = labelText(dialog, "LabelTexto");
        questao = labelText(dialog, "LabelPergunta");
        firstFocus = focusName(dialog);
        alignment = dialog.findChild<QLabel*>(QStringLiteral("LabelTexto"))->alignment();
        answer(dialog, resposta);
    });
    const Resposta got = dialogs.pergunta(tipo, argumento.toStdString());

    QCOMPARE(caption, QStringLiteral(" Para decisão do usuário"));
    QCOMPARE(texto.split(QLatin1Char('\n')), linhas);
    QCOMPARE(questao, pergunta);
    QCOMPARE(firstFocus, QStringLiteral("BtnSim"));
    QCOMPARE(bool(alignment & Qt::AlignHCenter), porLinha);
    QCOMPARE(got, esperada);
}

// Esc and the close box would choose for the user; only the buttons answer.
void DialogsTest::perguntaSoFechaComResposta() {
    WindowDialogs dialogs(&parent_);
    bool openAfterEsc = false, openAfterClose = false;
    ModalAnswer answerer([&](QDialog& dialog) {
        pressKey(dialog, Qt::Key_Escape);
        openAfterEsc = dialog.isVisible();
        dialog.close();
        openAfterClose = dialog.isVisible();
        clickButton(dialog, "BtnNao");
    });
    QCOMPARE(dialogs.pergunta(3), Resposta::Nao);
    QVERIFY(openAfterEsc);
    QVERIFY(openAfterClose);
    QVERIFY(!(dialogs.yesNoForm()->windowFlags() & Qt::WindowCloseButtonHint));
}

void DialogsTest::perguntaForaDosTipos() {
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, textosDaPergunta(9, QString()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, textosDaPergunta(-1, QString()));
}

// A path longer than the screen is shortened in its middle; the window stays on the screen.
void DialogsTest::perguntaComCaminhoLongo() {
    const QString longPath =
        QStringLiteral("/home/ana/") + QString(400, QLatin1Char('x')) + QStringLiteral("/fim.dec");
    TYesNoForm form(&parent_);
    form.setPergunta(6, longPath);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(form.width() <= screen.width());
    const QStringList lines =
        form.findChild<QLabel*>(QStringLiteral("LabelTexto"))->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[3].startsWith(QStringLiteral("Arquivo: /home/ana/")));
    QVERIFY(lines[3].endsWith(QStringLiteral("/fim.dec")));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("LabelTexto"))->toolTip(),
             QStringLiteral("Arquivo: ") + longPath);
}

void DialogsTest::aviso_data() {
    QTest::addColumn<QString>("como");
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc conta como OK") << "Esc";
    QTest::newRow("botao OK") << "BtnOK";
    QTest::newRow("caixa de fechar") << "fechar";
}

void DialogsTest::aviso() {
    QFETCH(QString, como);
    WindowDialogs dialogs(&parent_);
    const QString message = QStringLiteral("Operação bloqueada: arquivo (já) aberto.");
    QString caption, hint, shown, focusAfterTextClick;
    bool closedBeforeAnswer = false;
    ModalAnswer answerer([&](QDialog& dialog) {
        caption = dialog.windowTitle();
        hint = labelText(dialog, "LabelDica");
        auto* memo = dialog.findChild<WrappedTextBox*>(QStringLiteral("MemoTexto"));
        shown = memo->shownLines().join(QLatin1Char(' '));
        QTest::mouseClick(memo, Qt::LeftButton);
        focusAfterTextClick = focusName(dialog);
        closedBeforeAnswer = !dialog.isVisible();
        answer(dialog, como);
    });
    dialogs.aviso(message.toStdString());

    QCOMPARE(caption, QStringLiteral(" Trovale - Aviso"));
    QCOMPARE(hint, QStringLiteral("Depois de ler o aviso, tecle Enter ou Esc, ou aperte o "
                                  "botão ao lado com o mouse"));
    QCOMPARE(shown, message);
    QCOMPARE(focusAfterTextClick, QStringLiteral("BtnOK"));
    QVERIFY(!closedBeforeAnswer);
    QVERIFY(!dialogs.infoForm()->isVisible());
    QCOMPARE(dialogs.infoForm()->result(), int(QDialog::Accepted));
    QCOMPARE(dialogs.infoForm()->findChild<WrappedTextBox*>()->focusPolicy(), Qt::NoFocus);
}

// A message that comes while another is on show gets a window of its own; the first one
// keeps its text and still waits for its reader.
void DialogsTest::avisoDuranteAviso() {
    WindowDialogs dialogs(&parent_);
    QString second, firstAfter;
    bool firstStillOpen = false;
    ModalAnswer first([&](QDialog& dialog) {
        ModalAnswer inner([&](QDialog& other) {
            second = other.findChild<WrappedTextBox*>()->text();
            pressKey(other, Qt::Key_Return);
        });
        dialogs.aviso("Segundo aviso.");
        firstAfter = dialog.findChild<WrappedTextBox*>()->text();
        firstStillOpen = dialog.isVisible();
        pressKey(dialog, Qt::Key_Escape);
    });
    dialogs.aviso("Primeiro aviso.");
    QCOMPARE(second, QStringLiteral("Segundo aviso."));
    QCOMPARE(firstAfter, QStringLiteral("Primeiro aviso."));
    QVERIFY(firstStillOpen);
    QVERIFY(!dialogs.infoForm()->isVisible());
}

void DialogsTest::avisoTamanho_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("minLinhas");
    QTest::addColumn<int>("maxLinhas");
    QTest::newRow("curto") << "Lista vazia." << 1 << 1;
    QTest::newRow("uma linha") << "Operação bloqueada: arquivo (já) aberto." << 1 << 1;
    QTest::newRow("catalogo ausente")
        << "Arquivo ACORDES.TIP não se encontra no diretório apropriado ou está danificado." << 1
        << 2;
    QTest::newRow("catalogo salvo")
        << "Operação concluida com sucesso. O par anterior de arquivos do catálogo foi duplicado "
           "no subdiretório \"CtlgBackUp\", com o nome base C0912345 e suas respectivas "
           "extensões originais (DIG e TIP)."
        << 2 << 4;
    QTest::newRow("inconsistencias")
        << "O arquivo POSICOES.DIG está danificado ou apresenta inconsistência com os tipos de "
           "acorde definidos em ACORDES.TIP (17 ocorrências)."
        << 2 << 3;
    // A path has no blanks to break at: it breaks anywhere rather than overflow the box.
    QTest::newRow("caminho longo")
        << "Arquivo /home/ana/" + QString(120, QLatin1Char('x')) +
               "/MODELO.INI defeituoso. Remova-o, se não conseguir restaurá-lo."
        << 2 << 6;
}

// The window rules: width from the text within the button panel's limits, lines balanced
// by 32-pixel steps, same parity as the panel, height by lines, centred on the screen.
void DialogsTest::avisoTamanho() {
    QFETCH(QString, texto);
    QFETCH(int, minLinhas);
    QFETCH(int, maxLinhas);
    TInfoForm form(&parent_);
    form.setTexto(texto);
    auto* memo = form.findChild<WrappedTextBox*>(QStringLiteral("MemoTexto"));
    const int panel = form.findChild<QWidget*>(QStringLiteral("PanelBotoes"))->width();
    const int width = form.width();
    const int margins = memo->horizontalMargins();
    const int content = memo->width() - margins;
    const QStringList lines = memo->shownLines();

    QVERIFY(lines.size() >= minLinhas && lines.size() <= maxLinhas);
    QVERIFY2(width >= panel + 10, qPrintable(QString::number(width)));
    QVERIFY2(width <= panel * 5 / 3 + 1, qPrintable(QString::number(width)));
    QCOMPARE((width - panel) % 2, 0);
    QCOMPARE(memo->width(), width - 12);
    QCOMPARE(lines.join(QString()).remove(QLatin1Char(' ')),
             QString(texto).remove(QLatin1Char(' ')));
    for (const QString& line : lines)
        QVERIFY(QFontMetrics(memo->font()).horizontalAdvance(line) <= content);
    if (lines.size() == 1) {
        const int natural = memo->naturalWidth() + margins + 12;
        QVERIFY(width == natural || width == natural + 1 || width == panel + 10 ||
                width == panel + 11);
    } else {
        // At the widest allowed width the text would not take fewer lines, and one step
        // narrower it would take more (or break the minimum width).
        QCOMPARE(memo->lineCountAt(panel * 5 / 3 - 12 - margins), lines.size());
        QVERIFY(memo->lineCountAt(content - 32) > lines.size() ||
                content - 32 + margins + 12 < panel + 10);
    }
    const int lineSpacing = QFontMetrics(memo->font()).lineSpacing();
    QCOMPARE(memo->height(),
             std::max<int>(lines.size(), 2) * lineSpacing + memo->verticalMargins());
    QVERIFY((form.geometry().center() - screenCentre()).manhattanLength() <= 2);
}

void DialogsTest::confirmar_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("como");
    QTest::addColumn<Resposta>("esperada");
    QTest::newRow("Enter grava") << "Luar.dec"
                                 << "Enter" << Resposta::Sim;
    QTest::newRow("Sim") << "Luar.dec"
                         << "BtnSim" << Resposta::Sim;
    QTest::newRow("Nao") << "Sem título"
                         << "BtnNao" << Resposta::Nao;
    QTest::newRow("Cancelar") << "Luar.dec"
                              << "BtnCancelar" << Resposta::Cancelar;
    QTest::newRow("Esc cancela") << "Luar.dec"
                                 << "Esc" << Resposta::Cancelar;
    QTest::newRow("caixa de fechar cancela") << ""
                                             << "fechar" << Resposta::Cancelar;
}

void DialogsTest::confirmar() {
    QFETCH(QString, caption);
    QFETCH(QString, como);
    QFETCH(Resposta, esperada);
    WindowDialogs dialogs(&parent_);
    QStringList shown;
    QString firstFocus, windowCaption;
    ModalAnswer answerer([&](QDialog& dialog) {
        windowCaption = dialog.windowTitle();
        shown << labelText(dialog, "LabelAtencao") << labelText(dialog, "LabelAviso")
              << dialog.findChild<WrappedTextBox*>(QStringLiteral("BoxTitulo"))->text()
              << labelText(dialog, "LabelPergunta");
        for (const char* name : {"BtnSim", "BtnNao", "BtnCancelar"})
            shown << dialog.findChild<QPushButton*>(QString::fromLatin1(name))->text();
        firstFocus = focusName(dialog);
        answer(dialog, como);
    });
    const Resposta got = dialogs.confirmarFechamento(QStringLiteral("Canção da Varanda"), caption);

    QCOMPARE(got, esperada);
    QCOMPARE(windowCaption,
             caption.isEmpty() ? QStringLiteral(" Abandonando modificações ") : caption);
    QCOMPARE(shown,
             (QStringList{"ATENÇÃO!", "Fechando documento referido sem gravar modificações feitas.",
                          "Canção da Varanda", "Quer gravá-las anter de sair ?", "&Sim", "&Não",
                          "C&ancelar fechamento"}));
    QCOMPARE(firstFocus, QStringLiteral("BtnSim"));
}

void DialogsTest::confirmarTitulo_data() {
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<int>("linhas");
    QTest::newRow("curto") << "Luar" << 1;
    QTest::newRow("sem titulo") << "Sem título" << 1;
    QTest::newRow("largo") << "Canção para a minha avó que mora longe daqui, perto do mar azul"
                           << 2;
    QTest::newRow("muito largo")
        << QString(30, QLatin1Char(' ')).replace(QLatin1Char(' '), QStringLiteral("palavra ")) << 2;
}

// A title wider than its place gets two lines; what is still too long ends in an ellipsis.
void DialogsTest::confirmarTitulo() {
    QFETCH(QString, titulo);
    QFETCH(int, linhas);
    TConfirmForm form(&parent_);
    form.setTitulo(titulo);
    auto* box = form.findChild<WrappedTextBox*>(QStringLiteral("BoxTitulo"));
    const auto* above = form.findChild<QLabel*>(QStringLiteral("LabelAviso"));
    const int lineSpacing = QFontMetrics(box->font()).lineSpacing();

    QCOMPARE(box->height(), linhas * lineSpacing);
    QCOMPARE(box->width(), above->sizeHint().width());
    QCOMPARE(box->shownLines().size(), linhas);
    if (box->lineCountAt(box->width()) > 2)
        QVERIFY(box->shownLines().last().endsWith(QChar(0x2026)));
    else
        QCOMPARE(box->shownLines().join(QLatin1Char(' ')), titulo.trimmed());
    // The window shows every element below the title.
    const auto* question = form.findChild<QLabel*>(QStringLiteral("LabelPergunta"));
    QVERIFY(question->geometry().top() >= box->geometry().bottom());
    QVERIFY((form.geometry().center() - screenCentre()).manhattanLength() <= 2);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
