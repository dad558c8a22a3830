// One program at a time: a second start hands its song path to the running one and ends,
// with the real program as the second start and as the first.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "app/single_instance.h"
#include "catalogue/catalogue_files.h"
#include "catalogue_folder.h"
#include "document/song_file.h"
#include "support/recording_dialogs.h"
#include "ui/document_window/image_form.h"
#include "ui/main_window/trovale_form1.h"

using namespace trovale;
using trovale::testing::PastaCatalogo;

namespace {

constexpr int kPrazoSegundaMs = 2000;

QProcessEnvironment ambiente(const PastaCatalogo& pasta) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TROVALE_DIR"), pasta.caminho());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// The real program, started the way a file manager would start it.
std::unique_ptr<QProcess> iniciarPrograma(const PastaCatalogo& pasta, const QStringList& args) {
    auto processo = std::make_unique<QProcess>();
    processo->setProcessEnvironment(ambiente(pasta));
    processo->setProgram(QStringLiteral(TROVALE_EXECUTABLE));
    processo->setArguments(args);
    processo->start();
    return processo;
}

// A socket file with nobody behind it, as a program killed in the middle leaves it.
void deixarSocketAbandonado(const QString& caminho) {
    const int descritor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un endereco{};
    endereco.sun_family = AF_UNIX;
    const QByteArray nome = QFile::encodeName(caminho);
    std::memcpy(endereco.sun_path, nome.constData(),
                std::min<size_t>(nome.size(), sizeof endereco.sun_path - 1));
    ::bind(descritor, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco);
    ::close(descritor);
}

}  // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void channelNameIsPerUserAndFolder();
    void secondStartHandsOverTheJoinedPathAndEnds_data();
    void secondStartHandsOverTheJoinedPathAndEnds();
    void secondStartWithoutArgumentsBringsTheFirstToTheFront();
    void staleSocketDoesNotBlockTheNextStart();
    void realProgramAsFirstInstanceSurvivesItsCrash();
};

void SingleInstanceTest::initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void SingleInstanceTest::channelNameIsPerUserAndFolder() {
    const QString a = nomeCanalInstancia("/tmp/trovale-a");
    QCOMPARE(nomeCanalInstancia("/tmp/trovale-a/"), a);
    QCOMPARE(nomeCanalInstancia("/tmp/trovale-b/../trovale-a"), a);
    QVERIFY(nomeCanalInstancia("/tmp/trovale-b") != a);
    const QByteArray casa = qgetenv("HOME");
    qputenv("HOME", "/home/outra-pessoa");
    const QString outraPessoa = nomeCanalInstancia("/tmp/trovale-a");
    qputenv("HOME", casa);
    QVERIFY(outraPessoa != a);
}

void SingleInstanceTest::secondStartHandsOverTheJoinedPathAndEnds_data() {
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("recebido");
    QTest::newRow("path split at its space")
        << QStringList{"/home/ana/Minhas", "cifras/Asa Branca.dec"}
        << "/home/ana/Minhas cifras/Asa Branca.dec";
    QTest::newRow("one argument") << QStringList{"/tmp/samba.dec"} << "/tmp/samba.dec";
    QTest::newRow("accents") << QStringList{"/tmp/Canção", "do", "Sertão.dec"}
                             << QString::fromUtf8("/tmp/Canção do Sertão.dec");
}

void SingleInstanceTest::secondStartHandsOverTheJoinedPathAndEnds() {
    QFETCH(QStringList, argumentos);
    QFETCH(QString, recebido);
    PastaCatalogo pasta;
    SingleInstance primeira(nomeCanalInstancia(pasta.pasta()));
    QCOMPARE(primeira.iniciar(QString()), SingleInstance::Papel::Primeira);
    QSignalSpy recebidos(&primeira, &SingleInstance::recebido);

    QElapsedTimer relogio;
    relogio.start();
    auto segunda = iniciarPrograma(pasta, argumentos);
    QTRY_VERIFY_WITH_TIMEOUT(segunda->state() == QProcess::NotRunning, kPrazoSegundaMs);
    QVERIFY(relogio.elapsed() < kPrazoSegundaMs);
    QCOMPARE(segunda->exitStatus(), QProcess::NormalExit);
    QCOMPARE(segunda->exitCode(), 0);
    QCOMPARE(recebidos.count(), 1);
    QCOMPARE(recebidos.at(0).at(0).toString(), recebido);
}

void SingleInstanceTest::secondStartWithoutArgumentsBringsTheFirstToTheFront() {
    PastaCatalogo pasta;
    pasta.catalogoValido();
    DiskFileSystem fs;
    Catalogo catalogo;
    testing::RecordingDialogs dialogs;
    AbrirCatalogo(ArquivosCatalogo{pasta.pasta(), fs}, catalogo, dialogs);
    TTrovaleForm1 janela(
        {catalogo, ArquivosCatalogo{pasta.pasta(), fs}, diasDesde1899, [] { return 1; }}, {});
    janela.setDialogs(&dialogs);
    janela.concluirCriacao();
    janela.show();
    janela.executarInicioAdiado();
    SingleInstance primeira(nomeCanalInstancia(pasta.pasta()));
    QCOMPARE(primeira.iniciar(QString()), SingleInstance::Papel::Primeira);
    connect(&primeira, &SingleInstance::recebido, &janela, &TTrovaleForm1::receberDeOutraInstancia);
    janela.showMinimized();
    QVERIFY(janela.isMinimized());

    auto segunda = iniciarPrograma(pasta, {});
    QTRY_VERIFY_WITH_TIMEOUT(segunda->state() == QProcess::NotRunning, kPrazoSegundaMs);
    QCOMPARE(segunda->exitCode(), 0);
    QTRY_VERIFY(!janela.isMinimized());
    QVERIFY(janela.isVisible());
    QVERIFY(dialogs.avisos.empty());

    // With a path split at its space, the running program opens the song within a second.
    SongDocument doc = newSongDocument(modeloDeFabrica(), layoutDeFabrica());
    doc.Lines = {"Outra"};
    doc.LineKinds = {kTitleLine};
    pasta.gravar(QStringLiteral("outra musica.dec"), QByteArray::fromStdString(songFileText(doc)));
    QElapsedTimer relogio;
    relogio.start();
    auto terceira = iniciarPrograma(pasta, {pasta.caminho() + "/outra", "musica.dec"});
    QTRY_VERIFY_WITH_TIMEOUT(janela.numeroDocumentos() == 1, 1000);
    QVERIFY(relogio.elapsed() < 1000);
    QCOMPARE(janela.documentoAtivo()->nomeArquivo(), pasta.arquivo("outra musica.dec"));
    QVERIFY(dialogs.avisos.empty());
    QTRY_VERIFY_WITH_TIMEOUT(terceira->state() == QProcess::NotRunning, kPrazoSegundaMs);
}

void SingleInstanceTest::staleSocketDoesNotBlockTheNextStart() {
    PastaCatalogo pasta;
    const QString nome = nomeCanalInstancia(pasta.pasta());
    QLocalServer::removeServer(nome);
    deixarSocketAbandonado(nome);
    QVERIFY(QFile::exists(nome));
    SingleInstance nova(nome);
    QCOMPARE(nova.iniciar(QString()), SingleInstance::Papel::Primeira);
    QVERIFY(nova.escutando());
    // And it is reachable: a later start finds it.
    QSignalSpy recebidos(&nova, &SingleInstance::recebido);
    auto segunda = iniciarPrograma(pasta, {"/tmp/x.dec"});
    QTRY_VERIFY_WITH_TIMEOUT(segunda->state() == QProcess::NotRunning, kPrazoSegundaMs);
    QCOMPARE(recebidos.count(), 1);
}

void SingleInstanceTest::realProgramAsFirstInstanceSurvivesItsCrash() {
    PastaCatalogo pasta;
    pasta.catalogoValido();
    const QString nome = nomeCanalInstancia(pasta.pasta());
    auto primeira = iniciarPrograma(pasta, {});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(nome), 5000);
    QCOMPARE(primeira->state(), QProcess::Running);

    auto segunda = iniciarPrograma(pasta, {"/tmp/minha", "musica.dec"});
    QTRY_VERIFY_WITH_TIMEOUT(segunda->state() == QProcess::NotRunning, kPrazoSegundaMs);
    QCOMPARE(segunda->exitCode(), 0);
    QCOMPARE(primeira->state(), QProcess::Running);

    // A crash leaves the socket file behind; the next start must still become the first.
    primeira->kill();
    QVERIFY(primeira->waitForFinished(3000));
    QVERIFY(QFile::exists(nome));
    auto depois = iniciarPrograma(pasta, {});
    QTRY_VERIFY_WITH_TIMEOUT(SingleInstance::entregar(nome, QString()), 5000);
    QCOMPARE(depois->state(), QProcess::Running);
    depois->kill();
    depois->waitForFinished(3000);
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
