// The sound settings window driven as a user drives it, on a recording MIDI system and a clock
// moved by hand; and the windows' agenda on a real event loop.

#include "ui/sound/midi_dlg.h"
#include "ui/sound/qt_agenda.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include "fingering/fingering_builders.h"
#include "sound/chord_player.h"
#include "sound/midi_choices.h"
#include "sound/midi_output.h"
#include "sound/sound_doubles.h"
#include "support/recording_dialogs.h"

using namespace trovale;
using namespace std::chrono_literals;

namespace {

constexpr int kNotaLigada = 0x90;
constexpr int kMudancaPrograma = 0xC0;

std::string lerArquivo(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    std::ostringstream texto;
    texto << entrada.rdbuf();
    return texto.str();
}

// The window on a temporary program folder, with "Synth A" and "Synth B" as devices 0 and 1.
struct Montagem {
    QTemporaryDir dir;
    std::filesystem::path pasta{dir.path().toStdString()};
    DiskFileSystem fs{false};
    testing::AgendaManual agenda;
    testing::SistemaGravado sistema{agenda, {"Synth A", "Synth B"}};
    SaidaMidi saida{sistema};
    testing::RecordingDialogs dialogs;
    AcordeMidi acorde{saida, agenda, dialogs};
    std::unique_ptr<TMidiDlg> janela;

    // `ini` is MIDISOM.INI's bytes; none when empty.
    explicit Montagem(const std::string& ini = {}, const std::string& subpasta = {}) {
        if (!ini.empty()) std::ofstream(pasta / kArquivoMidi, std::ios::binary) << ini;
        pasta /= subpasta;
        janela = std::make_unique<TMidiDlg>(acorde, saida, fs, pasta);
        janela->show();
    }
    std::vector<int> enviados(int status) const {
        std::vector<int> dados;
        for (const auto& m : sistema.registro.com(status)) dados.push_back(m.dado1);
        return dados;
    }
};

const std::string kViolao = "Sa\xED"
                            "da padr\xE3o\r\n024 - Viol\xE3o com cordas de nylon\r\n";

}  // namespace

class MidiDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void textos();
    void abertura_data();
    void abertura();
    void instrumento_data();
    void instrumento();
    void trocaDeDispositivo_data();
    void trocaDeDispositivo();
    void baixo_data();
    void baixo();
    void tornarPadrao_data();
    void tornarPadrao();
    void desativarParaOSom();
    void agendaQt();
};

void MidiDlgTest::textos() {
    Montagem m;
    TMidiDlg& j = *m.janela;
    QCOMPARE(j.windowTitle(), QStringLiteral(" Gerenciamento do som dos acordes"));
    const std::pair<QString, QString> esperados[] = {
        {j.LabelCBD->text(), "Selecione o dispositivo de interpretação de som (MIDI):"},
        {j.LabelCBI->text(),
         "Selecione o instrumento dentre as sugestões abaixo ou digite seu número (entre 0 e "
         "127). Obs: Os nomes refletem a tabela padrão dos MIDI's, nem sempre obedecida pelo "
         "dispositivo."},
        {j.CBtestar->text(), "Testar som a cada nova escolha"},
        {j.CBbaixo->text(), "Destacar o baixo ao emitir o som de cada acorde"},
        {j.BtnTest->text(), "&Testar som"},
        {j.BtnSave->text(), "Tornar &Padrão"},
        {j.BtnClose->text(), "&Fechar"},
        {j.ComboBoxInst->itemText(18), "052 - Coro de \"ahs\""},
    };
    for (const auto& [texto, esperado] : esperados) QCOMPARE(texto, esperado);
    QCOMPARE(j.ComboBoxInst->count(), 32);
    QVERIFY(j.CBtestar->isChecked() && j.CBbaixo->isChecked());
    QVERIFY(j.BtnClose->isDefault());
    QVERIFY(!j.BtnSave->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(&j));
    QCOMPARE(QApplication::focusWidget(), j.ComboBoxDisp);
    QTest::keyClick(&j, Qt::Key_Escape);
    QVERIFY(!j.isVisible());
}

void MidiDlgTest::abertura_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("dispositivo");
    QTest::addColumn<QString>("instrumento");
    QTest::addColumn<int>("aberto");  // the device "&Testar som" opens
    QTest::addColumn<int>("programa");
    QTest::newRow("sem arquivo") << QByteArray() << "Dispositivo: Saída padrão"
                                 << "000 - Piano" << -1 << 0;
    QTest::newRow("salvos") << QByteArray("Synth B\r\n070 - Fagote\r\n")
                            << "Dispositivo: Synth B"
                            << "070 - Fagote" << 1 << 70;
    QTest::newRow("numero digitado") << QByteArray("Synth A\r\n007\r\n")
                                     << "Dispositivo: Synth A"
                                     << "007" << 0 << 7;
    QTest::newRow("dispositivo que sumiu") << QByteArray("Synth C\r\n007\r\n")
                                           << "Dispositivo: Saída padrão"
                                           << "007" << -1 << 7;
    QTest::newRow("instrumento ilegivel") << QByteArray("Synth A\r\nxyz\r\n")
                                          << "Dispositivo: Synth A"
                                          << "000 - Piano" << 0 << 0;
}

void MidiDlgTest::abertura() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, dispositivo);
    QFETCH(QString, instrumento);
    QFETCH(int, aberto);
    QFETCH(int, programa);
    Montagem m(ini.toStdString());
    TMidiDlg& j = *m.janela;
    QCOMPARE(j.LabelDisp->text(), dispositivo);
    QCOMPARE(j.ComboBoxDisp->currentText(), dispositivo.mid(13));
    QCOMPARE(j.LabelInst->text(), instrumento);
    QCOMPARE(j.ComboBoxInst->currentText(), instrumento);
    QVERIFY(!j.BtnSave->isEnabled());
    QVERIFY(m.sistema.registro.aberturas.empty());  // nothing sounds by itself

    QTest::mouseClick(j.BtnTest, Qt::LeftButton);
    QCOMPARE(m.sistema.registro.aberturas, std::vector<int>{aberto});
    QCOMPARE(m.enviados(kMudancaPrograma), std::vector<int>{programa});
}

void MidiDlgTest::instrumento_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("colado");
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("texto");
    // Program changes of the test chords, the last from "&Testar som" afterwards.
    QTest::addColumn<std::vector<int>>("programas");

    const QByteArray violao = QByteArray::fromStdString(kViolao);
    const QString nylon = QStringLiteral("024 - Violão com cordas de nylon");
    QTestEventList apagarE7;
    apagarE7.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    apagarE7.addKeyClick(Qt::Key_Backspace);
    apagarE7.addKeyClicks(QStringLiteral("7"));
    QTestEventList colar;
    colar.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    colar.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTestEventList mais, menos, letra, abaixo;
    mais.addKeyClicks(QStringLiteral("+"));
    menos.addKeyClicks(QStringLiteral("-"));
    letra.addKeyClicks(QStringLiteral("a"));
    abaixo.addKeyClick(Qt::Key_Down);

    QTest::newRow("7 vira 007") << violao << "" << apagarE7 << "007"
                                << "7" << std::vector<int>{7, 7};
    QTest::newRow("12 digitado") << violao << "" << [] {
        QTestEventList l;
        l.addKeyClick(Qt::Key_A, Qt::ControlModifier);
        l.addKeyClicks(QStringLiteral("12"));
        return l;
    }() << "012" << "12" << std::vector<int>{1, 12, 12};
    QTest::newRow("200 nao muda nada") << violao << "200" << colar << nylon << "200"
                                       << std::vector<int>{24};
    QTest::newRow("sugestao colada") << violao << "070 - Fagote" << colar << "070 - Fagote"
                                     << "070 - Fagote" << std::vector<int>{70, 70};
    QTest::newRow("mais") << violao << "" << mais << "025"
                          << "025" << std::vector<int>{25, 25};
    QTest::newRow("mais em 127") << QByteArray("Synth A\r\n127\r\n") << "" << mais << "127"
                                 << "127" << std::vector<int>{127};
    QTest::newRow("menos em 000") << QByteArray("Synth A\r\n000\r\n") << "" << menos << "000"
                                  << "000" << std::vector<int>{0};
    QTest::newRow("menos em 001") << QByteArray("Synth A\r\n001 - Piano acústico\r\n") << ""
                                  << menos << "000"
                                  << "000" << std::vector<int>{0, 0};
    QTest::newRow("letra descartada") << violao << "" << letra << nylon << nylon
                                      << std::vector<int>{24};
    QTest::newRow("proxima sugestao") << violao << "" << abaixo
                                      << "025 - Violão com cordas de aço"
                                      << "025 - Violão com cordas de aço" << std::vector<int>{25, 25};
}

void MidiDlgTest::instrumento() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, colado);
    QFETCH(QTestEventList, teclas);
    QFETCH(QString, rotulo);
    QFETCH(QString, texto);
    QFETCH(std::vector<int>, programas);
    Montagem m(ini.toStdString());
    TMidiDlg& j = *m.janela;
    const QString antes = j.LabelInst->text();
    QGuiApplication::clipboard()->setText(colado);
    teclas.simulate(j.ComboBoxInst);

    QCOMPARE(j.LabelInst->text(), rotulo);
    QCOMPARE(j.ComboBoxInst->currentText(), texto);
    QCOMPARE(j.BtnSave->isEnabled(), rotulo != antes);
    QTest::mouseClick(j.BtnTest, Qt::LeftButton);
    QCOMPARE(m.enviados(kMudancaPrograma), programas);
}

void MidiDlgTest::trocaDeDispositivo_data() {
    QTest::addColumn<bool>("testar");
    QTest::addColumn<bool>("comExemplo");
    QTest::addColumn<std::vector<int>>("notas");
    QTest::newRow("exemplo da aparencia") << true << true
                                          << std::vector<int>{40, 47, 52, 55, 59, 64};
    QTest::newRow("la menor sem exemplo") << true << false << std::vector<int>{45, 52, 57, 60, 64};
    QTest::newRow("sem testar") << false << true << std::vector<int>{};
}

// With "Testar som a cada nova escolha" a new device plays the example at once.
void MidiDlgTest::trocaDeDispositivo() {
    QFETCH(bool, testar);
    QFETCH(bool, comExemplo);
    QFETCH(std::vector<int>, notas);
    Montagem m;
    TMidiDlg& j = *m.janela;
    if (comExemplo) j.setExemplo([] { return testing::dedilhado("0 2 2 0 0 0"); });
    j.CBtestar->setChecked(testar);
    QTest::keyClick(j.ComboBoxDisp, Qt::Key_Down);
    m.agenda.avancar(300ms);

    QCOMPARE(j.LabelDisp->text(), QStringLiteral("Dispositivo: Synth A"));
    QCOMPARE(m.sistema.registro.aberturas, testar ? std::vector<int>{0} : std::vector<int>{});
    QCOMPARE(m.enviados(kNotaLigada), notas);
    QVERIFY(j.BtnSave->isEnabled());
    QVERIFY(m.dialogs.avisos.empty());
}

void MidiDlgTest::baixo_data() {
    QTest::addColumn<int>("cliques");
    QTest::addColumn<bool>("destacado");
    QTest::newRow("de partida") << 0 << true;
    QTest::newRow("desmarcado") << 1 << false;
    QTest::newRow("marcado de novo") << 2 << true;
}

// The bass alone for 0.2592 s, or every string at once.
void MidiDlgTest::baixo() {
    QFETCH(int, cliques);
    QFETCH(bool, destacado);
    Montagem m;
    TMidiDlg& j = *m.janela;
    j.CBtestar->setChecked(false);
    for (int i = 0; i < cliques; ++i) QTest::mouseClick(j.CBbaixo, Qt::LeftButton, {}, {8, 8});
    QCOMPARE(j.CBbaixo->isChecked(), destacado);
    QCOMPARE(j.BtnSave->isEnabled(), cliques > 0);

    QTest::mouseClick(j.BtnTest, Qt::LeftButton);
    m.agenda.avancar(1s);
    const auto notas = m.sistema.registro.com(kNotaLigada);
    QCOMPARE(notas.size(), std::size_t{5});
    const auto atraso = notas.back().quando - notas.front().quando;
    QCOMPARE(atraso, destacado ? Duracao(kAtrasoBaixo) : Duracao::zero());
}

void MidiDlgTest::tornarPadrao_data() {
    QTest::addColumn<QString>("subpasta");
    QTest::addColumn<bool>("noDispositivo");
    QTest::addColumn<QTestEventList>("teclas");
    QTest::addColumn<QByteArray>("arquivo");  // empty: not written
    QTestEventList dispositivo, sete;
    dispositivo.addKeyClick(Qt::Key_Down);
    sete.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    sete.addKeyClicks(QStringLiteral("7"));
    QTest::newRow("dispositivo") << "" << true << dispositivo
                                 << QByteArray("Synth A\r\n024 - Viol\xE3o com cordas de nylon\r\n");
    QTest::newRow("numero") << "" << false << sete << QByteArray("Sa\xED" "da padr\xE3o\r\n007\r\n");
    QTest::newRow("pasta inexistente") << "nao existe" << false << sete << QByteArray();
}

void MidiDlgTest::tornarPadrao() {
    QFETCH(QString, subpasta);
    QFETCH(bool, noDispositivo);
    QFETCH(QTestEventList, teclas);
    QFETCH(QByteArray, arquivo);
    Montagem m(kViolao, subpasta.toStdString());
    TMidiDlg& j = *m.janela;
    j.CBtestar->setChecked(false);
    teclas.simulate(noDispositivo ? j.ComboBoxDisp : j.ComboBoxInst);
    QVERIFY(j.BtnSave->isEnabled());
    QTest::mouseClick(j.BtnSave, Qt::LeftButton);

    const QStringList guardados = QDir(m.dir.path()).entryList(QDir::Files);
    if (arquivo.isEmpty()) {
        QVERIFY(j.BtnSave->isEnabled());
        QCOMPARE(guardados, QStringList{"MIDISOM.INI"});
        QCOMPARE(lerArquivo(m.dir.path().toStdString() + "/MIDISOM.INI"), kViolao);
        return;
    }
    QVERIFY(!j.BtnSave->isEnabled());
    QCOMPARE(guardados, QStringList{"MIDISOM.INI"});  // no temporary file left behind
    QCOMPARE(QByteArray::fromStdString(lerArquivo(m.pasta / kArquivoMidi)), arquivo);
}

// Switching to another program ends the chord under way.
void MidiDlgTest::desativarParaOSom() {
    Montagem m;
    QVERIFY(QTest::qWaitForWindowActive(m.janela.get()));
    QTest::mouseClick(m.janela->BtnTest, Qt::LeftButton);
    QVERIFY(m.acorde.soando());
    QApplication::setActiveWindow(nullptr);
    QVERIFY(!m.janela->isActiveWindow());
    QVERIFY(!m.acorde.soando());
    QCOMPARE(m.sistema.registro.fechamentos, 1);
}

// Tasks run on the agenda's thread, in time order, never early.
void MidiDlgTest::agendaQt() {
    AgendaQt agenda;
    std::vector<int> ordem;
    std::vector<bool> noPrincipal;
    const Instante inicio = agenda.agora();
    auto tarefa = [&](int ms) {
        return [&, ms] {
            QVERIFY(agenda.agora() - inicio >= std::chrono::milliseconds(ms));
            ordem.push_back(ms);
            noPrincipal.push_back(QThread::currentThread() == thread());
        };
    };
    agenda.depois(30ms, tarefa(30));
    agenda.depois(0ms, tarefa(0));
    std::thread([&] { agenda.depois(10ms, tarefa(10)); }).join();
    QTRY_COMPARE(ordem.size(), std::size_t{3});
    QCOMPARE(ordem, (std::vector<int>{0, 10, 30}));
    QCOMPARE(noPrincipal, (std::vector<bool>{true, true, true}));
}

QTEST_MAIN(MidiDlgTest)
#include "midi_dlg_test.moc"
