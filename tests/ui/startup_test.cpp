// The program's start: the deferred checks with their messages, the minimum time of the start
// picture, the per-user folder of a first start and the start sound.

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDialog>
#include <QLibraryInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/program_folder.h"
#include "app/qt_translations.h"
#include "app/start_sound.h"
#include "app/trovale_program.h"
#include "catalogue_folder.h"
#include "modal_answerer.h"
#include "settings/program_dir.h"
#include "ui/main_window/start_panel.h"
#include "ui/main_window/trovale_form1.h"

using namespace trovale;
using trovale::testing::ModalAnswerer;
using trovale::testing::PastaCatalogo;

namespace {

const QString kSemTipos = QStringLiteral(
    "Arquivo ACORDES.TIP não se encontra no diretório apropriado ou está danificado.");
const QString kSemDigitacoes = QStringLiteral(
    "Arquivo POSICOES.DIG não se encontra no diretório apropriado ou está danificado.");
const QString kSemImpressora = QStringLiteral(
    "Nenhuma impressora instalada. Funções de impressão bloqueadas. Papel A4 assumido.");

OpcoesPrograma opcoes(QStringList argumentos, int impressoras, int tempoMinimoMs = 0) {
    OpcoesPrograma o;
    o.argumentos = std::move(argumentos);
    o.somInicial = false;
    o.tempoMinimo = std::chrono::milliseconds(tempoMinimoMs);
    o.contarImpressoras = [impressoras] { return impressoras; };
    return o;
}

// A WAV file: the format chunk, then the data chunk (either may be left out).
QByteArray wav(int canais, int taxa, int bits, const QByteArray& amostras, bool comFormato = true,
               const QByteArray& extra = {}) {
    auto palavra32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto palavra16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray corpo = "WAVE";
    corpo += extra;
    if (comFormato) {
        corpo += "fmt " + palavra32(16) + palavra16(1) + palavra16(canais) + palavra32(taxa) +
                 palavra32(taxa * canais * bits / 8) + palavra16(canais * bits / 8) +
                 palavra16(bits);
    }
    corpo += "data" + palavra32(amostras.size()) + amostras;
    return "RIFF" + palavra32(corpo.size()) + corpo;
}

std::optional<SomPcm> lerWavDe(const QByteArray& bytes) {
    return lerWav(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void deferredStartup_data();
    void deferredStartup();
    void damagedCatalogueFolder_data();
    void damagedCatalogueFolder();
    void startPictureStaysUpForTheMinimumTime();
    void perUserFolderIsTheToolkitsAppDataLocation_data();
    void perUserFolderIsTheToolkitsAppDataLocation();
    void firstStartSeedsThePerUserFolder_data();
    void firstStartSeedsThePerUserFolder();
    void exampleSongsNeverReplaceTheUsersOwn();
    void startSoundReachesTheSoundOutput();
    void startSoundIsOurOwnWav();
    void wavReading_data();
    void wavReading();
    void everyHelpButtonSaysAjuda();
    void qtsOwnWindowsSpeakPortuguese_data();
    void qtsOwnWindowsSpeakPortuguese();
};

void StartupTest::initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Trovale"));
    QCoreApplication::setOrganizationName(QString());
    // Refused starts close their window; the test goes on.
    QApplication::setQuitOnLastWindowClosed(false);
}

void StartupTest::deferredStartup_data() {
    QTest::addColumn<QByteArray>("tipos");  // empty: no file
    QTest::addColumn<QByteArray>("digitacoes");
    QTest::addColumn<int>("impressoras");
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QStringList>("avisos");
    QTest::addColumn<bool>("fecha");
    const QByteArray tipos = testing::tiposPequenos();
    const QByteArray digitacoes = testing::digitacoesPequenas();
    const QByteArray danificado = "isto n\xE3o \xE9 um cat\xE1logo\r\n";
    const QStringList nada;
    QTest::newRow("all well") << tipos << digitacoes << 1 << nada << nada << false;
    QTest::newRow("damaged types")
        << danificado << digitacoes << 1 << nada << QStringList{kSemTipos} << true;
    QTest::newRow("missing types")
        << QByteArray() << digitacoes << 1 << nada << QStringList{kSemTipos} << true;
    QTest::newRow("missing fingerings")
        << tipos << QByteArray() << 1 << nada << QStringList{kSemDigitacoes} << true;
    QTest::newRow("missing fingerings, song named")
        << tipos << QByteArray() << 1 << QStringList{"/tmp/a.dec"} << QStringList{kSemDigitacoes}
        << true;
    QTest::newRow("no printer") << tipos << digitacoes << 0 << nada << QStringList{kSemImpressora}
                                << false;
    QTest::newRow("no printer, damaged types")
        << danificado << digitacoes << 0 << nada << QStringList{kSemImpressora, kSemTipos} << true;
    QTest::newRow("inconsistent fingerings, song named in two pieces")
        << tipos << testing::digitacoesPequenas(2) << 3 << QStringList{"/tmp/minha", "musica.dec"}
        << QStringList{QStringLiteral("O arquivo POSICOES.DIG está danificado ou apresenta "
                                      "inconsistência com os tipos de acorde definidos em "
                                      "ACORDES.TIP (2 ocorrências)."),
                       // The joined path is looked for, and is not there.
                       "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso."}
        << false;
}

void StartupTest::deferredStartup() {
    QFETCH(QByteArray, tipos);
    QFETCH(QByteArray, digitacoes);
    QFETCH(int, impressoras);
    QFETCH(QStringList, argumentos);
    QFETCH(QStringList, avisos);
    QFETCH(bool, fecha);
    PastaCatalogo pasta;
    if (!tipos.isEmpty()) pasta.gravar(QStringLiteral("ACORDES.TIP"), tipos);
    if (!digitacoes.isEmpty()) pasta.gravar(QStringLiteral("POSICOES.DIG"), digitacoes);
    ModalAnswerer respostas;
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes(argumentos, impressoras));
    programa.iniciar();
    TTrovaleForm1* janela = programa.janela();
    QSignalSpy concluido(janela, &TTrovaleForm1::inicioConcluido);
    QVERIFY(janela->isVisible());
    QTRY_VERIFY(!janela->isVisible() || concluido.count() == 1);
    QCOMPARE(respostas.avisos, avisos);
    QCOMPARE(!janela->isVisible(), fecha);
    QCOMPARE(janela->printerCount(), impressoras);
    // Later activations check the catalogue again but say the first-time things only once.
    if (fecha) return;
    respostas.avisos.clear();
    janela->executarInicioAdiado();
    QCOMPARE(respostas.avisos, QStringList());
    QCOMPARE(concluido.count(), 1);
}

// Folders in place of files, and a new type file that its marker vouches for in vain: the
// program says so and ends, or goes on with what it has, and never aborts.
void StartupTest::damagedCatalogueFolder_data() {
    QTest::addColumn<QStringList>("pastas");     // folders made where files belong
    QTest::addColumn<QByteArray>("novosTipos");  // ACORDES.NEW, vouched for by TERMINOU.NEW
    QTest::addColumn<QStringList>("avisos");     // "%1" is the program folder
    QTest::addColumn<bool>("fecha");
    const QString novoDefeituoso = QStringLiteral(
        "Arquivo %1/ACORDES.NEW defeituoso. Remova-o, se não conseguir restaurá-lo.");
    const QByteArray nenhum;
    QTest::newRow("ACORDES.TIP is a folder")
        << QStringList{"ACORDES.TIP"} << nenhum << QStringList{kSemTipos} << true;
    QTest::newRow("POSICOES.DIG is a folder")
        << QStringList{"POSICOES.DIG"} << nenhum << QStringList{kSemDigitacoes} << true;
    QTest::newRow("settings files are folders")
        << QStringList{"ASPECTO.INI", "MODELO.INI", "LayOut.ini"} << nenhum << QStringList{}
        << false;
    QTest::newRow("ACORDES.NEW is a folder")
        << QStringList{"ACORDES.NEW"} << nenhum << QStringList{novoDefeituoso} << false;
    QTest::newRow("ACORDES.NEW is garbage")
        << QStringList{} << QByteArray("\x89PNG\r\n") << QStringList{novoDefeituoso} << false;
    QTest::newRow("ACORDES.NEW is cut short") << QStringList{} << testing::tiposPequenos().left(40)
                                              << QStringList{novoDefeituoso} << false;
}

void StartupTest::damagedCatalogueFolder() {
    QFETCH(QStringList, pastas);
    QFETCH(QByteArray, novosTipos);
    QFETCH(QStringList, avisos);
    QFETCH(bool, fecha);
    PastaCatalogo pasta;
    pasta.catalogoValido();
    for (const QString& nome : pastas) {
        QFile::remove(pasta.arquivo(nome));
        QVERIFY(QDir(pasta.caminho()).mkpath(nome + QStringLiteral("/dentro")));
    }
    if (!novosTipos.isEmpty()) pasta.gravar(QStringLiteral("ACORDES.NEW"), novosTipos);
    if (pastas.contains(QStringLiteral("ACORDES.NEW")) || !novosTipos.isEmpty())
        pasta.gravar(QStringLiteral("TERMINOU.NEW"), "Yes\r\n");
    for (QString& aviso : avisos) aviso.replace(QStringLiteral("%1"), pasta.caminho());

    ModalAnswerer respostas;
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes({}, 1));
    programa.iniciar();
    TTrovaleForm1* janela = programa.janela();
    QSignalSpy concluido(janela, &TTrovaleForm1::inicioConcluido);
    QTRY_VERIFY(!janela->isVisible() || concluido.count() == 1);
    QCOMPARE(respostas.avisos, avisos);
    QCOMPARE(!janela->isVisible(), fecha);
    // What the user was told about is still there for them to look at.
    if (!novosTipos.isEmpty()) QCOMPARE(pasta.ler(QStringLiteral("ACORDES.NEW")), novosTipos);
    QCOMPARE(
        pasta.ler(QStringLiteral("ACORDES.TIP")),
        pastas.contains(QStringLiteral("ACORDES.TIP")) ? QByteArray() : testing::tiposPequenos());
}

void StartupTest::startPictureStaysUpForTheMinimumTime() {
    PastaCatalogo pasta;
    pasta.catalogoValido();
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes({}, 1, 1728));
    QElapsedTimer relogio;
    std::optional<qint64> pronto;
    std::optional<Qt::CursorShape> cursorDuranteEspera;
    bool figuraDuranteEspera = false;
    QTimer::singleShot(600, [&] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            cursorDuranteEspera = cursor->shape();
        if (programa.janela())
            figuraDuranteEspera = programa.janela()->painel()->Image1->isVisible();
    });
    relogio.start();
    programa.iniciar();
    // The wait is over before the checks run; the cursor is the user's again.
    QVERIFY(relogio.elapsed() >= 1728);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(cursorDuranteEspera, std::optional(Qt::WaitCursor));
    QVERIFY(figuraDuranteEspera);
    connect(programa.janela(), &TTrovaleForm1::inicioConcluido, this,
            [&] { pronto = relogio.elapsed(); });
    QTRY_VERIFY(pronto.has_value());
    QVERIFY2(*pronto >= 1728 && *pronto < 1728 + 3000, qPrintable(QString::number(*pronto)));
}

void StartupTest::perUserFolderIsTheToolkitsAppDataLocation_data() {
    QTest::addColumn<QByteArray>("xdgDataHome");
    QTest::newRow("XDG_DATA_HOME unset") << QByteArray();
    QTest::newRow("XDG_DATA_HOME set") << QByteArray("/tmp/trovale-xdg-teste");
}

void StartupTest::perUserFolderIsTheToolkitsAppDataLocation() {
    QFETCH(QByteArray, xdgDataHome);
    const QByteArray antes = qgetenv("XDG_DATA_HOME");
    if (xdgDataHome.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", xdgDataHome);
    const QString nossa =
        QString::fromStdString(diretorioDadosUsuario(fontesDoAmbiente()).string());
    const QString doToolkit = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (antes.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", antes);
    QCOMPARE(QDir::cleanPath(nossa), QDir::cleanPath(doToolkit));
}

void StartupTest::firstStartSeedsThePerUserFolder_data() {
    QTest::addColumn<QStringList>("jaExistentes");
    QTest::addColumn<bool>("comInstalacao");
    QTest::addColumn<QStringList>("copiados");
    QTest::newRow("first start") << QStringList() << true
                                 << QStringList{"ACORDES.TIP", "POSICOES.DIG", "MODELO.INI"};
    QTest::newRow("user's own settings stay")
        << QStringList{"MODELO.INI"} << true << QStringList{"ACORDES.TIP", "POSICOES.DIG"};
    QTest::newRow("catalogue there") << QStringList{"ACORDES.TIP"} << true << QStringList();
    QTest::newRow("fingerings there") << QStringList{"POSICOES.DIG"} << true << QStringList();
    QTest::newRow("save interrupted") << QStringList{"ACORDES.NEW"} << true << QStringList();
    QTest::newRow("nothing installed") << QStringList() << false << QStringList();
}

// The example songs go into the songs folder, made when missing, beside the user's own files
// and never over one of them.
void StartupTest::exampleSongsNeverReplaceTheUsersOwn() {
    PastaCatalogo instalacao;
    instalacao.gravar(QStringLiteral("Peixe vivo.dec"), "exemplo");
    instalacao.gravar(QStringLiteral("Ciranda.dec"), "exemplo");
    instalacao.gravar(QStringLiteral("LEIAME.txt"), "nota");
    PastaCatalogo usuario;
    usuario.gravar(QStringLiteral("Ciranda.dec"), "do usuario");
    const std::filesystem::path cancoes = usuario.pasta() / "Trovale";

    const auto copiados = semearCancoesExemplo(cancoes, instalacao.pasta());
    QCOMPARE(copiados, (std::vector<std::string>{"Ciranda.dec", "Peixe vivo.dec"}));
    QVERIFY(QFile::exists(QString::fromStdString((cancoes / "Peixe vivo.dec").string())));
    QVERIFY(!QFile::exists(QString::fromStdString((cancoes / "LEIAME.txt").string())));

    // A second time, with the user's own song of the same name in place: nothing is copied.
    QFile::remove(QString::fromStdString((cancoes / "Ciranda.dec").string()));
    QFile proprio(QString::fromStdString((cancoes / "Ciranda.dec").string()));
    QVERIFY(proprio.open(QIODevice::WriteOnly));
    proprio.write("do usuario");
    proprio.close();
    QCOMPARE(semearCancoesExemplo(cancoes, instalacao.pasta()), std::vector<std::string>{});
    QVERIFY(proprio.open(QIODevice::ReadOnly));
    QCOMPARE(proprio.readAll(), QByteArray("do usuario"));
    QCOMPARE(semearCancoesExemplo(cancoes, {}), std::vector<std::string>{});
}

void StartupTest::firstStartSeedsThePerUserFolder() {
    QFETCH(QStringList, jaExistentes);
    QFETCH(bool, comInstalacao);
    QFETCH(QStringList, copiados);
    PastaCatalogo instalacao;
    instalacao.catalogoValido();
    instalacao.gravar(QStringLiteral("MODELO.INI"), "fabrica\r\n");
    instalacao.gravar(QStringLiteral("LEIAME.TXT"), "not a program file\r\n");
    PastaCatalogo raiz;
    const QString usuario = raiz.arquivo(QStringLiteral("dados/Trovale"));
    QDir().mkpath(usuario);
    for (const QString& nome : jaExistentes) {
        QFile arquivo(usuario + '/' + nome);
        QVERIFY(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("do usuario\r\n");
    }
    if (jaExistentes.isEmpty()) QDir(usuario).removeRecursively();

    const auto resultado = semearPastaUsuario(
        usuario.toStdString(), comInstalacao ? instalacao.pasta() : std::filesystem::path());
    QStringList obtidos;
    for (const std::string& nome : resultado) obtidos << QString::fromStdString(nome);
    QCOMPARE(obtidos, copiados);
    QVERIFY(QDir(usuario).exists());
    for (const QString& nome : copiados) {
        QFile arquivo(usuario + '/' + nome);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), instalacao.ler(nome));
    }
    for (const QString& nome : jaExistentes) {
        QFile arquivo(usuario + '/' + nome);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        QCOMPARE(arquivo.readAll(), QByteArray("do usuario\r\n"));
    }
    QStringList sobras = QDir(usuario).entryList(QDir::Files);
    QCOMPARE(sobras.filter(QStringLiteral(".~")), QStringList());  // no temporary copy left
    QVERIFY(!sobras.contains(QStringLiteral("LEIAME.TXT")));
}

// ALSA is pointed at a file by the user's own configuration: what reaches the "device" must
// be the whole sound on both sides, while the caller was never held up. The driver turns our
// samples into its own 16 bits with dither, so a sample may differ by a step or two.
void StartupTest::startSoundReachesTheSoundOutput() {
    PastaCatalogo pasta;
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes({}, 1));
    QFile arquivo(QStringLiteral(":/som/Quinta.wav"));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const auto som = lerWavDe(arquivo.readAll());
    QVERIFY(som.has_value());

    PastaCatalogo casa;
    const QString saida = casa.arquivo(QStringLiteral("saida.raw"));
    casa.gravar(QStringLiteral(".asoundrc"),
                "pcm.!default {\n type file\n slave.pcm \"null\"\n file \"" + saida.toUtf8() +
                    "\"\n format \"raw\"\n}\n");
    const QByteArray casaAntes = qgetenv("HOME");
    qputenv("HOME", casa.caminho().toUtf8());
    SomInicial tocador;
    QElapsedTimer relogio;
    relogio.start();
    const bool tocou = tocador.tocar(*som);
    const qint64 espera = relogio.elapsed();
    qputenv("HOME", casaAntes);
    if (!tocou) QSKIP("no ALSA output on this machine");
    QVERIFY(espera < 200);
    QVERIFY(tocador.tocando());
    QTRY_VERIFY_WITH_TIMEOUT(!tocador.tocando(), 5000);
    QVERIFY(relogio.elapsed() >= som->duracaoMs());
    QFile tocado(saida);
    QVERIFY(tocado.open(QIODevice::ReadOnly));
    const QByteArray bytes = tocado.readAll();
    const auto* estereo = reinterpret_cast<const qint16*>(bytes.constData());
    QVERIFY(bytes.size() / 4 >= som->quadros());
    int maiorDiferenca = 0;
    for (int i = 0; i < som->quadros(); ++i)
        for (int lado = 0; lado < 2; ++lado)
            maiorDiferenca =
                std::max(maiorDiferenca, std::abs(estereo[2 * i + lado] - som->amostras[i]));
    QVERIFY2(maiorDiferenca <= 2, qPrintable(QString::number(maiorDiferenca)));
}

void StartupTest::startSoundIsOurOwnWav() {
    PastaCatalogo pasta;
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes({}, 1));
    QFile arquivo(QStringLiteral(":/som/Quinta.wav"));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const auto som = lerWavDe(arquivo.readAll());
    QVERIFY(som.has_value());
    QCOMPARE(som->canais, 1);
    QCOMPARE(som->taxa, 22050);
    QVERIFY(som->duracaoMs() > 1000 && som->duracaoMs() < 2000);
    // Playing never blocks; where there is no sound output it is silently skipped.
    SomInicial tocador;
    QElapsedTimer relogio;
    relogio.start();
    tocador.tocar(*som);
    QVERIFY(relogio.elapsed() < 500);
}

void StartupTest::wavReading_data() {
    QTest::addColumn<QByteArray>("arquivo");
    QTest::addColumn<int>("quadros");  // -1: refused
    QTest::addColumn<int>("canais");
    const QByteArray quatro("\x01\x00\x02\x00\x03\x00\x04\x00", 8);
    QTest::newRow("mono") << wav(1, 8000, 16, quatro) << 4 << 1;
    QTest::newRow("stereo") << wav(2, 44100, 16, quatro) << 2 << 2;
    QTest::newRow("odd chunk before format") << wav(1, 8000, 16, quatro, true,
                                                    QByteArray("LIST\x03\x00\x00\x00"
                                                               "abc\0",
                                                               12))
                                             << 4 << 1;
    QTest::newRow("half a frame at the end")
        << wav(2, 8000, 16, quatro + QByteArray("\x05\x00", 2)) << 2 << 2;
    QTest::newRow("8-bit") << wav(1, 8000, 8, quatro) << -1 << 0;
    QTest::newRow("no format") << wav(1, 8000, 16, quatro, false) << -1 << 0;
    QTest::newRow("not a wav") << QByteArray("ID3\x03 some mp3 bytes") << -1 << 0;
    QTest::newRow("cut short") << wav(1, 8000, 16, quatro).left(40) << -1 << 0;
    QTest::newRow("empty") << QByteArray() << -1 << 0;
}

void StartupTest::wavReading() {
    QFETCH(QByteArray, arquivo);
    QFETCH(int, quadros);
    QFETCH(int, canais);
    const auto som = lerWavDe(arquivo);
    QCOMPARE(som.has_value(), quadros >= 0);
    if (!som) return;
    QCOMPARE(som->quadros(), quadros);
    QCOMPARE(som->canais, canais);
}

// Every window the program makes calls its help button as the others do.
void StartupTest::everyHelpButtonSaysAjuda() {
    PastaCatalogo pasta;
    pasta.catalogoValido();
    ModalAnswerer respostas;
    Programa programa(PastaPrograma{pasta.pasta(), false}, opcoes({}, 1));
    programa.iniciar();
    QStringList outros;
    int botoes = 0;
    for (QAbstractButton* botao : programa.janela()->findChildren<QAbstractButton*>()) {
        const QString texto = QString(botao->text()).remove(QLatin1Char('&'));
        if (!botao->objectName().contains(QStringLiteral("Help")) && texto != "Help" &&
            texto != "Ajuda")
            continue;
        ++botoes;
        if (botao->text() != "Aj&uda" || botao->toolTip().contains(QStringLiteral("Help")))
            outros << botao->window()->metaObject()->className() + (": " + botao->text());
    }
    QCOMPARE(outros, QStringList());
    QVERIFY(botoes >= 10);
}

void StartupTest::qtsOwnWindowsSpeakPortuguese_data() {
    QTest::addColumn<QString>("janela");
    QTest::addColumn<QStringList>("textos");
    QTest::newRow("button box") << "QDialogButtonBox" << QStringList{"Cancelar", "OK"};
    QTest::newRow("colour dialog") << "QColorDialog" << QStringList{"Selecionar cor"};
    QTest::newRow("font dialog") << "QFontDialog" << QStringList{"Selecionar fonte"};
}

// Qt's own dialogs and standard buttons, with Qt's translation loaded as the program loads it.
void StartupTest::qtsOwnWindowsSpeakPortuguese() {
    QFETCH(QString, janela);
    QFETCH(QStringList, textos);
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(pasta + QStringLiteral("/qtbase_pt_BR.qm")))
        QSKIP("Qt's Portuguese translation (qt6-translations-l10n) is not installed");
    auto* app = QCoreApplication::instance();
    std::unique_ptr<QTranslator> tradutor(instalarTraducaoQt(*app));
    QVERIFY(tradutor);
    QStringList vistos;
    if (janela == QLatin1String("QDialogButtonBox")) {
        QDialogButtonBox botoes(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        for (QAbstractButton* botao : botoes.buttons()) vistos << botao->text();
        vistos.sort();
    } else if (janela == QLatin1String("QColorDialog")) {
        vistos << QColorDialog().windowTitle();
    } else {
        vistos << QFontDialog().windowTitle();
    }
    QCoreApplication::removeTranslator(tradutor.get());
    QCOMPARE(vistos, textos);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
