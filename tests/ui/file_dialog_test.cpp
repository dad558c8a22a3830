// The song file window driven as a user drives it: folders with real files, keys and clicks on
// the real controls, and the messages, questions, files and clipboard that come out checked
// word for word and byte for byte.

#include "base/text_codec.h"
#include "settings/musics_file.h"
#include "support/recording_dialogs.h"
#include "ui/file_dialog/column_header.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/file_dialog/folder_tree.h"
#include "ui/file_dialog/song_list_view.h"
#include "ui/help/help_form.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace trovale;
using trovale::testing::RecordingDialogs;

namespace {

const std::string kImproprio = "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.";

QByteArray cp1252(const QString& texto) {
    return QByteArray::fromStdString(windows1252DeUtf8(texto.toStdString()));
}

QByteArray cancao(const QString& titulo, const QString& autor) {
    return "Trovak2 02.00 " + cp1252(titulo) + "\r\n" + cp1252(autor) + "\r\n0 0 0\r\n";
}

void escrever(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void musica(const QString& pasta, const QString& nome, const QString& titulo,
            const QString& autor = {}) {
    escrever(pasta + '/' + nome, cancao(titulo, autor));
}

QByteArray ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A program folder, a songs folder and the window over them; folders are made on demand.
struct Janela {
    QTemporaryDir raiz;
    RecordingDialogs dialogs;
    std::unique_ptr<TFileDlg> dlg;
    QStringList abertos;  // paths "open in document windows"
    QStringList salvos;
    QString ativo = QStringLiteral("Sem título");

    QString pasta(const QString& nome) {
        const QString caminho = raiz.path() + QLatin1Char('/') + nome;
        QDir().mkpath(caminho);
        return caminho;
    }
    TFileDlg& criar(const QString& titulo = " Abrir arquivo existente",
                    const QString& mascara = QStringLiteral("*.dec")) {
        dlg = std::make_unique<TFileDlg>(dialogs, pasta(QStringLiteral("prog")),
                                         raiz.path() + QStringLiteral("/Trovale"));
        OperacoesArquivo op;
        op.indiceAberto = [this](const QString& c) { return static_cast<int>(abertos.indexOf(c)); };
        op.arquivoAtivo = [this] { return ativo; };
        op.salvarAtivo = [this](const QString& c) {
            salvos << c;
            return true;
        };
        dlg->setOperacoes(op);
        dlg->setWindowTitle(titulo);
        dlg->setMascara(mascara);
        dlg->show();
        return *dlg;
    }
};

QStringList linhas(const TFileDlg& dlg) {
    QStringList texto;
    for (int i = 0; i < dlg.Lista->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = dlg.Lista->topLevelItem(i);
        texto << item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') +
                     item->text(2);
    }
    return texto;
}

QStringList cabecalho(const TFileDlg& dlg) {
    const QTreeWidgetItem* h = dlg.Lista->headerItem();
    return {h->text(0), h->text(1), h->text(2)};
}

void selecionar(TFileDlg& dlg, std::initializer_list<int> rows) {
    dlg.Lista->clearSelection();
    for (int r : rows) dlg.Lista->topLevelItem(r)->setSelected(true);
}

QAction* acao(QMenu* menu, const QString& texto) {
    for (QAction* a : menu->actions())
        if (a->text() == texto) return a;
    return nullptr;
}

std::vector<std::string> avisos(std::initializer_list<QString> textos) {
    std::vector<std::string> v;
    for (const QString& t : textos) v.push_back(t.toStdString());
    return v;
}

}  // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void listagem();
    void soNomeDoQueNaoSeLe_data();
    void soNomeDoQueNaoSeLe();
    void ordenacao_data();
    void ordenacao();
    void arrastarTitulo();
    void letraPulaParaLinha();
    void focoAoMostrar();
    void extensao_data();
    void extensao();
    void abrir_data();
    void abrir();
    void salvarSubstituindo_data();
    void salvarSubstituindo();
    void pastaInexistente();
    void apagar();
    void anotarECopiar();
    void importarVariasMascaras_data();
    void importarVariasMascaras();
    void cadernoEscolheMusicas_data();
    void cadernoEscolheMusicas();
    void menuCopiarColuna();
    void tornarPadrao();
    void musicsDefeituoso();
    void dicas();
    void aparencia();
};

// Title and author come from the files; a ".dec" that is no song is listed by its name alone.
void FileDialogTest::listagem() {
    Janela j;
    const QString p = j.pasta("musicas");
    musica(p, "a.dec", "  Asa Branca  ", "Luiz Gonzaga");
    escrever(p + "/b.DEC", "Trovale 01.00\r\n\r\n");
    musica(p, "c.dec", QString(130, QLatin1Char('x')));
    escrever(p + "/nota.dec", "Lista de compras\r\nleite\r\n");
    escrever(p + "/texto.txt", "Uma linha\r\n");
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    QCOMPARE(dlg.LabelDir->text(), p);
    QVERIFY(dlg.TreeView->topLevelItem(0)->text(0).startsWith(QStringLiteral("/ --> ")));
    QCOMPARE(cabecalho(dlg), (QStringList{"Título", "Autor", "Nome"}));
    QCOMPARE(linhas(dlg),
             (QStringList{"Asa Branca|Luiz Gonzaga|a.dec", "Indefinido|Indefinido|b.DEC",
                          QString(100, QLatin1Char('x')) + "|Indefinido|c.dec", "||nota.dec"}));
    QVERIFY(j.dialogs.avisos.empty());

    dlg.setMascara(QStringLiteral("*.txt"));
    QCOMPARE(linhas(dlg), QStringList{"Uma linha|Indefinido|texto.txt"});
    QCOMPARE(dlg.LabelLista->text(),
             QStringLiteral("Lista de arquivos *.txt no diretório (ou pasta) acima, ordenados "
                            "pelos primeiros atributos:"));
}

void FileDialogTest::soNomeDoQueNaoSeLe_data() {
    QTest::addColumn<QString>("legenda");
    QTest::addColumn<QString>("mascara");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("esperado");
    const QByteArray pdf("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Title (Festa) >>\nendobj\n");
    const QByteArray binario("PK\x03\x04\x14\0\0\0\x08\0Asa Branca\r\nLuiz\0\xFF\xFE\x01\x02", 32);
    const QString musica = QStringLiteral("Asa Branca|Luiz Gonzaga|a.dec");
    const QString texto = QStringLiteral("Uma linha|Indefinido|texto.txt");
    const auto linha = [](const char* caso, const char* legenda, const char* mascara,
                          const char* nome, const QByteArray& bytes, const QStringList& antes) {
        QTest::newRow(caso) << legenda << mascara << nome << bytes
                            << antes + QStringList{QStringLiteral("||") + nome};
    };
    const char* const abrir = " Abrir arquivo existente";
    linha("PDF exportado", " Exportar em PDF", "*.pdf", "livro.pdf", pdf, {});
    linha("PDF com nome de música", abrir, "*.dec", "livro.dec", pdf, {musica});
    linha("binário com nome de música", abrir, "*.dec", "dados.dec", binario, {musica});
    linha("binário entre textos", " Importar arquivo em formato texto", "*.txt", "dados.txt",
          binario, {texto});
    linha("repertório", " Abrir repertório", "*.rep", "noite.rep",
          "# S\xC3\xA1" "bado\nAsa Branca.dec\t+2\t-\n", {});
}

// What the list cannot read shows its name, never bytes taken for a title or an author, and
// comes after what it can.
void FileDialogTest::soNomeDoQueNaoSeLe() {
    QFETCH(QString, legenda);
    QFETCH(QString, mascara);
    QFETCH(QString, nome);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, esperado);
    Janela j;
    const QString p = j.pasta("m");
    escrever(p + '/' + nome, bytes);
    musica(p, "a.dec", "Asa Branca", "Luiz Gonzaga");
    escrever(p + "/texto.txt", "Uma linha\r\n");
    TFileDlg& dlg = j.criar(legenda, mascara);
    QVERIFY(dlg.abrirPasta(p));
    QCOMPARE(linhas(dlg), esperado);
    QVERIFY(j.dialogs.avisos.empty());
}

void FileDialogTest::ordenacao_data() {
    QTest::addColumn<int>("trocaDe");
    QTest::addColumn<int>("trocaPara");
    QTest::addColumn<QStringList>("titulos");
    QTest::addColumn<QStringList>("nomes");
    // Título, Autor, Nome: "Água" sorts among the A's, ahead of "Azul".
    QTest::newRow("titulo primeiro") << 0 << 0 << QStringList{"Título", "Autor", "Nome"}
                                     << QStringList{"b", "c", "e", "d", "a", "f"};
    // Autor, Título, Nome: Noel's songs by title, then the two "Feitiço" by file name.
    QTest::newRow("autor primeiro") << 0 << 1 << QStringList{"Autor", "Título", "Nome"}
                                    << QStringList{"b", "c", "d", "e", "a", "f"};
    QTest::newRow("nome primeiro") << 0 << 2 << QStringList{"Nome", "Autor", "Título"}
                                   << QStringList{"a", "b", "c", "d", "e", "f"};
}

void FileDialogTest::ordenacao() {
    QFETCH(int, trocaDe);
    QFETCH(int, trocaPara);
    QFETCH(QStringList, titulos);
    QFETCH(QStringList, nomes);
    Janela j;
    const QString p = j.pasta("m");
    musica(p, "a.dec", "Feitiço", "Noel");
    musica(p, "b.dec", "Água", "Ary");
    musica(p, "c.dec", "azul", "Djavan");
    musica(p, "d.dec", "Feitiço", "ELIS");
    musica(p, "e.dec", "Conversa de botequim", "Noel");
    musica(p, "f.dec", "Feitiço", "Noel");
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    dlg.trocarColunas(trocaDe, trocaPara);
    QCOMPARE(cabecalho(dlg), titulos);
    QStringList vistos;
    const int colunaNome = static_cast<int>(titulos.indexOf(QStringLiteral("Nome")));
    for (int i = 0; i < dlg.Lista->topLevelItemCount(); ++i)
        vistos << dlg.Lista->topLevelItem(i)->text(colunaNome).chopped(4);
    QCOMPARE(vistos, nomes);
}

// Dropping one column title on another swaps them, widths and all, and sorts again.
void FileDialogTest::arrastarTitulo() {
    Janela j;
    const QString p = j.pasta("m");
    musica(p, "z.dec", "Aa", "Zz");
    musica(p, "y.dec", "Bb", "Aa");
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    QCOMPARE(linhas(dlg), (QStringList{"Aa|Zz|z.dec", "Bb|Aa|y.dec"}));
    ColumnHeader* h = dlg.Lista->cabecalho();
    const int larguraTitulo = h->sectionSize(0);
    const QPoint titulo(h->sectionViewportPosition(0) + h->sectionSize(0) / 2, h->height() / 2);
    const QPoint nome(h->sectionViewportPosition(2) + h->sectionSize(2) / 2, h->height() / 2);
    QTest::mousePress(h->viewport(), Qt::LeftButton, {}, titulo);
    QTest::mouseMove(h->viewport(), titulo + QPoint(40, 0));
    QTest::mouseMove(h->viewport(), nome);
    QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, nome);
    QCOMPARE(cabecalho(dlg), (QStringList{"Nome", "Autor", "Título"}));
    QCOMPARE(linhas(dlg), (QStringList{"y.dec|Aa|Bb", "z.dec|Zz|Aa"}));
    QVERIFY(qAbs(h->sectionSize(2) - larguraTitulo) <= 1);
}

void FileDialogTest::letraPulaParaLinha() {
    Janela j;
    const QString p = j.pasta("m");
    for (const char* t : {"Ária", "Berimbau", "Marina", "Mulher"})
        musica(p, QString::fromUtf8(t) + ".dec", QString::fromUtf8(t));
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    QTest::keyClick(dlg.Lista, Qt::Key_M);
    QCOMPARE(dlg.Lista->indexOfTopLevelItem(dlg.Lista->currentItem()), 2);
    QCOMPARE(dlg.Edit->text(), QStringLiteral("Marina.dec"));
    QTest::keyClick(dlg.Lista, Qt::Key_A);  // the accented title counts as an A
    QCOMPARE(dlg.Edit->text(), QStringLiteral("Ária.dec"));
    QTest::keyClick(dlg.Lista, Qt::Key_Z);  // no Z: nothing moves
    QCOMPARE(dlg.Edit->text(), QStringLiteral("Ária.dec"));
}

// Open puts the list first with its first row chosen; save starts from an empty name.
void FileDialogTest::focoAoMostrar() {
    Janela j;
    const QString p = j.pasta("Trovale");
    musica(p, "b.dec", "B");
    musica(p, "a.dec", "A");
    TFileDlg& dlg = j.criar();
    QCOMPARE(dlg.pastaAtual(), p);  // no MUSICS.INI: the songs folder
    QCOMPARE(dlg.focusWidget(), static_cast<QWidget*>(dlg.Lista));
    QCOMPARE(dlg.Edit->text(), QStringLiteral("a.dec"));
    QVERIFY(dlg.BtnOK->isDefault());

    // Typing a name drops the row; Page Down goes back to the list.
    QTest::keyClicks(dlg.Edit, QStringLiteral("x"));
    QVERIFY(dlg.Lista->selectedItems().isEmpty());
    QTest::keyClick(dlg.Edit, Qt::Key_PageDown);
    QCOMPARE(dlg.focusWidget(), static_cast<QWidget*>(dlg.Lista));
    QCOMPARE(dlg.Edit->text(), QStringLiteral("b.dec"));

    dlg.hide();
    dlg.setWindowTitle(QStringLiteral(" Salvar como ..."));
    dlg.show();
    QCOMPARE(dlg.focusWidget(), static_cast<QWidget*>(dlg.Edit));
    QVERIFY(dlg.Edit->text().isEmpty());
    QVERIFY(dlg.Lista->selectedItems().isEmpty());
}

void FileDialogTest::extensao_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("salvo");  // relative to the folder; empty: nothing saved
    QTest::addColumn<QString>("mensagem");
    const QString ext = QStringLiteral("Extensão deve ser forçosamente igual a \".dec\".");
    const auto linha = [](const char* caso, const char* digitado, const char* salvo,
                          const QString& mensagem) {
        QTest::newRow(caso) << QString::fromUtf8(digitado) << QString::fromUtf8(salvo) << mensagem;
    };
    linha("maiusculas", "canção.DEC", "canção.DEC", {});
    linha("sem extensao", "  canção  ", "canção.dec", {});
    linha("outra extensao", "canção.txt", "", ext);
    linha("ponto no fim", "canção.", "", ext);
    linha("asterisco", "*.dec", "", {});
    linha("vazio", "   ", "", {});
    linha("subpasta", "sub/nova", "sub/nova.dec", {});
    linha("relativo", "./sub/../outra.dec", "outra.dec", {});
}

void FileDialogTest::extensao() {
    QFETCH(QString, digitado);
    QFETCH(QString, salvo);
    QFETCH(QString, mensagem);
    Janela j;
    const QString p = j.pasta("m");
    TFileDlg& dlg = j.criar(" Salvar como ...");
    QVERIFY(dlg.abrirPasta(p));
    dlg.Edit->setText(digitado);
    QTest::mouseClick(dlg.BtnOK, Qt::LeftButton);
    const QStringList esperado = salvo.isEmpty() ? QStringList() : QStringList{p + '/' + salvo};
    QCOMPARE(j.salvos, esperado);
    QCOMPARE(dlg.result() == QDialog::Accepted, !salvo.isEmpty());
    QCOMPARE(dlg.caminho(), salvo.isEmpty() ? QString() : esperado.first());
    QCOMPARE(j.dialogs.avisos, mensagem.isEmpty() ? avisos({}) : avisos({mensagem}));
    QVERIFY(j.dialogs.perguntas.empty());
}

void FileDialogTest::abrir_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("aceito");  // relative to the folder on show; empty: refused
    QTest::addColumn<QString>("mensagem");
    const auto linha = [](const char* caso, const char* digitado, const char* aceito,
                          const std::string& mensagem) {
        QTest::newRow(caso) << QString::fromUtf8(digitado) << QString::fromUtf8(aceito)
                            << QString::fromStdString(mensagem);
    };
    linha("listado", "a", "a.dec", {});
    linha("aberto em janela", "aberta.dec", "", "Operação bloqueada: arquivo (já) aberto.");
    linha("outra pasta", "../outra/c.dec", "../outra/c.dec", {});
    linha("sem marca", "nota.dec", "", "Arquivo incompatível ou defeituoso.");
    linha("inexistente", "nada.dec", "", kImproprio);
}

void FileDialogTest::abrir() {
    QFETCH(QString, digitado);
    QFETCH(QString, aceito);
    QFETCH(QString, mensagem);
    Janela j;
    const QString p = j.pasta("m");
    musica(p, "a.dec", "A");
    musica(p, "aberta.dec", "B");
    escrever(p + "/nota.dec", "Lista de compras\r\n");
    musica(j.pasta("outra"), "c.dec", {});
    j.abertos = {QStringLiteral("x"), p + QStringLiteral("/aberta.dec")};
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    dlg.Edit->setText(digitado);
    QTest::keyClick(dlg.Edit, Qt::Key_Return);
    QCOMPARE(dlg.result() == QDialog::Accepted, !aceito.isEmpty());
    QCOMPARE(dlg.isVisible(), aceito.isEmpty());
    QCOMPARE(dlg.caminho(), aceito.isEmpty() ? QString() : QDir::cleanPath(p + '/' + aceito));
    QCOMPARE(j.dialogs.avisos, mensagem.isEmpty() ? avisos({}) : avisos({mensagem}));
    if (digitado == QLatin1String("aberta.dec")) QCOMPARE(dlg.indiceAberto(), 1);
}

void FileDialogTest::salvarSubstituindo_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<bool>("respostaSim");
    QTest::addColumn<int>("perguntas");
    QTest::addColumn<bool>("salvo");
    QTest::newRow("existente, Não") << "velha.dec" << false << 1 << false;
    QTest::newRow("existente, Sim") << "velha.dec" << true << 1 << true;
    QTest::newRow("o proprio arquivo") << "propria.dec" << false << 0 << true;
    QTest::newRow("nova") << "nova.dec" << false << 0 << true;
    QTest::newRow("aberta em outra janela") << "outra.dec" << true << 0 << false;
}

void FileDialogTest::salvarSubstituindo() {
    QFETCH(QString, nome);
    QFETCH(bool, respostaSim);
    QFETCH(int, perguntas);
    QFETCH(bool, salvo);
    Janela j;
    const QString p = j.pasta("m");
    musica(p, "velha.dec", {});
    musica(p, "propria.dec", {});
    musica(p, "outra.dec", {});
    j.ativo = p + "/propria.dec";
    j.abertos = {j.ativo, p + "/outra.dec"};  // the active song's window, and another
    TFileDlg& dlg = j.criar(" Salvar como ...");
    QVERIFY(dlg.abrirPasta(p));
    j.dialogs.respostas = {respostaSim ? Resposta::Sim : Resposta::Nao};
    dlg.Edit->setText(nome);
    QTest::mouseClick(dlg.BtnOK, Qt::LeftButton);
    QCOMPARE(static_cast<int>(j.dialogs.perguntas.size()), perguntas);
    if (perguntas) {
        QCOMPARE(j.dialogs.perguntas[0].first, 5);
        QCOMPARE(QString::fromStdString(j.dialogs.perguntas[0].second), p + '/' + nome);
    }
    QCOMPARE(j.salvos, salvo ? QStringList{p + '/' + nome} : QStringList());
    QCOMPARE(dlg.isVisible(), !salvo);
    QCOMPARE(j.dialogs.avisos, nome == "outra.dec"
                                   ? avisos({"Operação bloqueada: arquivo (já) aberto."})
                                   : avisos({}));
}

// A folder gone from the disk is refused and the tree stays where the list is.
void FileDialogTest::pastaInexistente() {
    Janela j;
    const QString p = j.pasta("m");
    const QString some = j.pasta("m/some");
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    QTreeWidgetItem* atual = dlg.TreeView->currentItem();
    QTreeWidgetItem* no = dlg.TreeView->abrirAte(some);
    QVERIFY(QDir(some).removeRecursively());
    dlg.TreeView->setCurrentItem(no);
    QCOMPARE(
        j.dialogs.avisos,
        avisos({"Arquivo/caminho impróprio ou dispositivo inválido/defeituoso \"" + some + "\""}));
    QCOMPARE(dlg.TreeView->currentItem(), atual);
    QCOMPARE(dlg.pastaAtual(), p);
}

// Three rows, three questions; "Não" to the second keeps it; an open file is never asked about.
void FileDialogTest::apagar() {
    Janela j;
    const QString p = j.pasta("m");
    for (const char* n : {"a", "b", "c", "d", "e"})
        musica(p, QLatin1String(n) + QLatin1String(".dec"), QLatin1String(n));
    j.abertos = {p + QStringLiteral("/e.dec")};
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    selecionar(dlg, {1, 2, 3});
    dlg.BtnAnotaClick();
    j.dialogs.respostas = {Resposta::Sim, Resposta::Nao, Resposta::Sim};
    QTest::keyClick(dlg.Lista, Qt::Key_Delete);
    QCOMPARE(j.dialogs.perguntas.size(), size_t{3});
    QCOMPARE(j.dialogs.perguntas[1],
             std::make_pair(6, (p + QStringLiteral("/c.dec")).toStdString()));
    QCOMPARE(QDir(p).entryList(QDir::Files), (QStringList{"a.dec", "c.dec", "e.dec"}));
    QCOMPARE(linhas(dlg),
             (QStringList{"a|Indefinido|a.dec", "c|Indefinido|c.dec", "e|Indefinido|e.dec"}));
    QCOMPARE(dlg.anotados(), QStringList{p + QStringLiteral("/c.dec")});
    QCOMPARE(dlg.Edit->text(), QStringLiteral("c.dec"));  // same position

    selecionar(dlg, {2});
    QTest::keyClick(dlg.Lista, Qt::Key_Delete);
    QCOMPARE(j.dialogs.avisos,
             avisos({"Arquivo \"" + p + "/e.dec\" está aberto e não pode ser deletado."}));
    QCOMPARE(j.dialogs.perguntas.size(), size_t{3});
    QVERIFY(QFile::exists(p + QStringLiteral("/e.dec")));
}

// The copy replaces a longer file whole; "Não" skips a file; the list is read again.
void FileDialogTest::anotarECopiar() {
    Janela j;
    const QString origem = j.pasta("origem");
    const QString destino = j.pasta("destino");
    const QByteArray curta = cancao("A curta", {});
    escrever(origem + "/a.dec", curta);
    musica(origem, "b.dec", "Bê");
    musica(origem, "c.dec", "Cê");
    const QByteArray longa = cancao("Longa", QString(5000, QLatin1Char('l')));
    escrever(destino + "/a.dec", longa);
    escrever(destino + "/b.dec", longa);
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(origem));
    QVERIFY(!dlg.BtnCopia->isEnabled());
    selecionar(dlg, {0, 1, 2});
    QTest::mouseClick(dlg.BtnAnota, Qt::LeftButton);
    QVERIFY(dlg.BtnCopia->isEnabled());
    QVERIFY(dlg.abrirPasta(destino));
    j.dialogs.respostas = {Resposta::Sim, Resposta::Nao};
    QTest::mouseClick(dlg.BtnCopia, Qt::LeftButton);
    QCOMPARE(j.dialogs.perguntas.size(), size_t{2});
    QCOMPARE(j.dialogs.perguntas[0], std::make_pair(5, std::string("a.dec")));
    QCOMPARE(j.dialogs.perguntas[1], std::make_pair(5, std::string("b.dec")));
    QCOMPARE(ler(destino + QStringLiteral("/a.dec")), curta);
    QCOMPARE(ler(destino + QStringLiteral("/b.dec")), longa);
    QCOMPARE(ler(destino + QStringLiteral("/c.dec")), ler(origem + QStringLiteral("/c.dec")));
    QCOMPARE(QDir(destino).entryList(QDir::Files | QDir::Hidden).size(), 3);
    QCOMPARE(linhas(dlg), (QStringList{"A curta|Indefinido|a.dec", "Cê|Indefinido|c.dec",
                                       "Longa|" + QString(100, 'l') + "|b.dec"}));
    QVERIFY(j.dialogs.avisos.empty());

    // The noted list starts empty on every showing.
    dlg.hide();
    dlg.show();
    QVERIFY(dlg.anotados().isEmpty());
    QVERIFY(!dlg.BtnCopia->isEnabled());
}

void FileDialogTest::importarVariasMascaras_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("importado");  // relative to the folder; empty: refused
    QTest::addColumn<QString>("mensagem");
    const QString ext = QStringLiteral(
        "Extensão deve ser forçosamente igual a \".txt\" ou "
        "\".cho\" ou \".pro\".");
    QTest::newRow("sem extensao") << "letra"
                                  << "letra.txt" << QString();
    QTest::newRow("segunda mascara") << "vem.CHO"
                                     << "vem.CHO" << QString();
    QTest::newRow("terceira") << "hino.pro"
                              << "hino.pro" << QString();
    QTest::newRow("fora das mascaras") << "a.dec" << QString() << ext;
}

void FileDialogTest::importarVariasMascaras() {
    QFETCH(QString, digitado);
    QFETCH(QString, importado);
    QFETCH(QString, mensagem);
    Janela j;
    const QString p = j.pasta("m");
    escrever(p + "/letra.txt", "Letra\r\nAutor\r\n");
    escrever(p + "/vem.CHO", "{title: Vem}\n{artist: Z\xC3\xA9}\n[C]Vem\n");
    escrever(p + "/hino.pro", "{t: Hino}\n");
    musica(p, "a.dec", "A");
    QStringList importados;
    TFileDlg& dlg = j.criar(" Importar arquivo em formato texto", "*.txt;*.cho;*.pro");
    OperacoesArquivo op;
    op.importar = [&importados](const QString& c) {
        importados << c;
        return true;
    };
    dlg.setOperacoes(op);
    QVERIFY(dlg.abrirPasta(p));
    // The song is not among the masks; a ChordPro file shows its title directive.
    QCOMPARE(linhas(dlg),
             (QStringList{"Hino|Indefinido|hino.pro", "Letra|Autor|letra.txt", "Vem|Zé|vem.CHO"}));
    dlg.Edit->setText(digitado);
    QTest::mouseClick(dlg.BtnOK, Qt::LeftButton);
    QCOMPARE(importados, importado.isEmpty() ? QStringList() : QStringList{p + '/' + importado});
    QCOMPARE(j.dialogs.avisos, mensagem.isEmpty() ? avisos({}) : avisos({mensagem}));
}

// A songbook takes what was noted, else the rows selected, else the song named.
void FileDialogTest::cadernoEscolheMusicas_data() {
    QTest::addColumn<QList<int>>("anotar");
    QTest::addColumn<QList<int>>("selecionar");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QStringList>("escolhidos");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("anotados") << QList<int>{0, 2} << QList<int>{1} << QString()
                              << QStringList{"a.dec", "c.dec"} << QString();
    QTest::newRow("selecionados") << QList<int>{} << QList<int>{1, 2} << QString()
                                  << QStringList{"b.dec", "c.dec"} << QString();
    QTest::newRow("nome digitado") << QList<int>{} << QList<int>{} << "../outra/d"
                                   << QStringList{"../outra/d.dec"} << QString();
    QTest::newRow("nome que não é música")
        << QList<int>{} << QList<int>{} << "nota" << QStringList{}
        << QStringLiteral("Arquivo incompatível ou defeituoso.");
}

void FileDialogTest::cadernoEscolheMusicas() {
    QFETCH(QList<int>, anotar);
    QFETCH(QList<int>, selecionar);
    QFETCH(QString, digitado);
    QFETCH(QStringList, escolhidos);
    QFETCH(QString, mensagem);
    Janela j;
    const QString p = j.pasta("m");
    musica(p, "a.dec", "A");
    musica(p, "b.dec", "B");
    musica(p, "c.dec", "C");
    escrever(p + "/nota.dec", "Lista de compras\r\n");
    musica(j.pasta("outra"), "d.dec", "D");
    j.abertos = {p + QStringLiteral("/a.dec")};  // an open song may go into a book
    TFileDlg& dlg = j.criar(" Caderno de cifras: selecione ou anote as músicas");
    QCOMPARE(dlg.modo(), TFileDlg::Modo::Caderno);
    QCOMPARE(dlg.LabelLista->text(), QStringLiteral("Selecione as músicas do caderno (Ctrl ou "
                                                    "Shift com o clique) ou anote-as, e aperte "
                                                    "Confirmar:"));
    QVERIFY(dlg.abrirPasta(p));
    dlg.Lista->clearSelection();
    for (int linha : anotar) dlg.Lista->topLevelItem(linha)->setSelected(true);
    if (!anotar.isEmpty()) QTest::mouseClick(dlg.BtnAnota, Qt::LeftButton);
    dlg.Lista->clearSelection();
    for (int linha : selecionar) dlg.Lista->topLevelItem(linha)->setSelected(true);
    if (!digitado.isEmpty()) dlg.Edit->setText(digitado);
    QTest::mouseClick(dlg.BtnOK, Qt::LeftButton);
    QStringList esperados;
    for (const QString& nome : escolhidos) esperados << QDir::cleanPath(p + '/' + nome);
    QCOMPARE(dlg.escolhidos(), esperados);
    QCOMPARE(dlg.result() == QDialog::Accepted, !esperados.isEmpty());
    QCOMPARE(j.dialogs.avisos, mensagem.isEmpty() ? avisos({}) : avisos({mensagem}));
}

void FileDialogTest::menuCopiarColuna() {
    Janela j;
    const QString p = j.pasta("m");
    musica(p, "x.dec", "Um", "Ana");
    musica(p, "y.dec", "Dois", "Bia");
    musica(p, "z.dec", "Três");
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    dlg.Lista->clearSelection();
    std::unique_ptr<QMenu> menu(dlg.menuDaLista());
    QVERIFY(!acao(menu.get(), QStringLiteral("Copiar coluna 1"))->isEnabled());
    acao(menu.get(), QStringLiteral("Selecionar tudo"))->trigger();
    QCOMPARE(dlg.Lista->selectedItems().size(), 3);

    selecionar(dlg, {2, 0});
    menu.reset(dlg.menuDaLista());
    acao(menu.get(), QStringLiteral("Copiar coluna 1"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Dois\nUm\n"));
    acao(menu.get(), QStringLiteral("Copiar coluna 2"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Bia\nAna\n"));
    acao(menu.get(), QStringLiteral("Copiar coluna 3"))->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("y.dec\nx.dec\n"));
}

// "Tornar Padrão" keeps the folder and the columns; the next window starts from them.
void FileDialogTest::tornarPadrao() {
    Janela j;
    const QString p = j.pasta("minhas canções");
    TFileDlg& dlg = j.criar();
    QVERIFY(dlg.abrirPasta(p));
    dlg.trocarColunas(0, 1);
    QTest::mouseClick(dlg.BtnPadrao, Qt::LeftButton);
    const QByteArray bytes = ler(j.pasta("prog") + "/MUSICS.INI");
    QVERIFY2(bytes.startsWith("10 " + cp1252(p) + "\r\n"), bytes.constData());
    QVERIFY(
        bytes.endsWith(" 3.00000000000000E-0001 Autor\r\n 3.00000000000000E-0001 T\xEDtulo\r\n"
                       " 4.00000000000000E-0001 Nome\r\n"));
    QVERIFY(j.dialogs.avisos.empty());

    TFileDlg outra(j.dialogs, j.pasta("prog"), j.pasta("Trovale"));
    QCOMPARE(outra.pastaAtual(), p);
    QCOMPARE(cabecalho(outra), (QStringList{"Autor", "Título", "Nome"}));
}

void FileDialogTest::musicsDefeituoso() {
    Janela j;
    const QString prog = j.pasta("prog");
    escrever(prog + "/MUSICS.INI", "-3 /tmp\r\n");
    j.criar();
    QCOMPARE(j.dialogs.avisos,
             avisos({"Arquivo " + prog +
                     "/MUSICS.INI defeituoso. Remova-o, se não conseguir restaurá-lo."}));
    QCOMPARE(j.dlg->fonteEditor(), 10);
    QCOMPARE(j.dlg->pastaAtual(), j.raiz.path() + QStringLiteral("/Trovale"));  // made on first use
    QVERIFY(QFileInfo(j.dlg->pastaAtual()).isDir());
}

// The tips take the tree's place until the label or anything else in the window is used;
// Help opens the window's own page.
void FileDialogTest::dicas() {
    Janela j;
    TFileDlg& dlg = j.criar();
    QCOMPARE(dlg.LabelDicas->text(), QStringLiteral("Ver dicas"));
    QTest::mouseClick(dlg.LabelDicas, Qt::LeftButton);
    QVERIFY(dlg.dicasVisiveis());
    QVERIFY(dlg.Dicas->isVisible() && !dlg.TreeView->isVisible());
    QCOMPARE(dlg.LabelDicas->text(), QStringLiteral("Fechar dicas"));
    QVERIFY(dlg.Dicas->text().startsWith(
        QStringLiteral("\n1. A lista de arquivos é ordenada conforme a sequência das colunas")));
    QVERIFY(dlg.Dicas->text().endsWith(
        QStringLiteral("\"Selecionar tudo\".\n\n3. Para deletar um ou mais arquivos, selecione-os "
                       "e aperte a tecla \"Del\" ou \"Delete\".")));
    QTest::mouseClick(dlg.LabelDicas, Qt::LeftButton);
    QVERIFY(!dlg.dicasVisiveis());

    QTest::mouseClick(dlg.LabelDicas, Qt::LeftButton);
    QTest::mouseClick(dlg.Edit, Qt::LeftButton);
    QVERIFY(!dlg.dicasVisiveis());
    QCOMPARE(dlg.LabelDicas->text(), QStringLiteral("Ver dicas"));

    // The help page of this window, by button or F1.
    THelpForm ajuda;
    dlg.setAjuda(&ajuda);
    QTest::mouseClick(dlg.BtnHelp, Qt::LeftButton);
    QVERIFY(ajuda.isVisible());
    QCOMPARE(ajuda.paginaAtual(), QStringLiteral("arquivos.html"));
}

// At the designed and the smallest size: whole buttons, eight whole rows at least, and the
// columns in their proportions.
void FileDialogTest::aparencia() {
    Janela j;
    const QString p = j.pasta("Trovale");
    for (int i = 0; i < 12; ++i)
        musica(p, QStringLiteral("cancao%1.dec").arg(i),
               QStringLiteral("Canção de número %1 com um título bem comprido").arg(i));
    TFileDlg& dlg = j.criar();
    for (const QSize tamanho : {dlg.size(), dlg.minimumSizeHint().expandedTo(dlg.minimumSize())}) {
        dlg.resize(tamanho);
        QTest::qWait(10);
        for (QPushButton* b : dlg.findChildren<QPushButton*>())
            QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->text()));
        const int visiveis = dlg.Lista->viewport()->height() / dlg.Lista->alturaLinha();
        QVERIFY(visiveis >= 8);
        QCOMPARE(dlg.Lista->viewport()->height() % dlg.Lista->alturaLinha(), 0);
        const int largura = dlg.Lista->viewport()->width();
        QVERIFY(qAbs(dlg.Lista->header()->sectionSize(0) - 0.3 * largura) <= 1);
        QVERIFY(qAbs(dlg.Lista->header()->sectionSize(2) - 0.4 * largura) <= 2);
    }
    // A long value ends in "..." inside its column.
    const QString cortado =
        SongListView::cortado(QStringLiteral("Canção de número"), dlg.Lista->fontMetrics(), 60);
    QVERIFY(cortado.endsWith(QStringLiteral("...")));
    QVERIFY(dlg.Lista->fontMetrics().horizontalAdvance(cortado) <= 60);
}

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
