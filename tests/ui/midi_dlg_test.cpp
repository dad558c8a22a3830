// The sound settings window driven as a user drives it, on a recording MIDI system and a clock
// moved by hand; and the windows' agenda on a real event loop.

#include "ui/sound/midi_dlg.h"
#include "ui/sound/qt_agenda.h"

#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <fstream>
#include <sstream>
#include <thread>

#include "fingering/fingering_builders.h"
#include "settings/midi_settings_file.h"
#include "sound/chord_player.h"
#include "sound/sound_doubles.h"
#include "support/recording_dialogs.h"

using namespace trovale;
using namespace std::chrono_literals;
using Numeros = std::vector<int>;

namespace {

const std::string kViolao = "Sa\xED" "da padr\xE3o\r\n024 - Viol\xE3o com cordas de nylon\r\n";

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

    explicit Montagem(const std::string& ini = kViolao, const std::string& subpasta = {}) {
        if (!ini.empty()) std::ofstream(pasta / kArquivoMidi, std::ios::binary) << ini;
        janela = std::make_unique<TMidiDlg>(acorde, saida, fs, pasta / subpasta);
        janela->show();
    }
    // The first data byte of every message with this status.
    Numeros enviados(int status) const {
        Numeros dados;
        for (const auto& m : sistema.registro.com(status)) dados.push_back(m.dado1);
        return dados;
    }
};

QTestEventList teclas(const QString& texto, bool apagarAntes = false) {
    QTestEventList l;
    if (apagarAntes) l.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    l.addKeyClicks(texto);
    return l;
}

}  // namespace

class MidiDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void abertura_data();
    void abertura();
    void instrumento_data();
    void instrumento();
    void trocaDeDispositivo_data();
    void trocaDeDispositivo();
    void baixo();
    void tornarPadrao_data();
    void tornarPadrao();
    void desativarParaOSom();
    void agendaQt();
};

void MidiDlgTest::abertura_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("dispositivo");
    QTest::addColumn<QString>("instrumento");
    QTest::addColumn<Numeros>("aberturas");  // of "&Testar som", then its program change
    QTest::newRow("sem arquivo") << QByteArray() << "Dispositivo: Saída padrão"
                                 << "000 - Piano" << Numeros{-1, 0};
    QTest::newRow("salvos") << QByteArray("Synth B\r\n007\r\n") << "Dispositivo: Synth B"
                            << "007" << Numeros{1, 7};
    QTest::newRow("dispositivo que sumiu") << QByteArray("Synth C\r\n070 - Fagote\r\n")
                                           << "Dispositivo: Saída padrão"
                                           << "070 - Fagote" << Numeros{-1, 70};
}

void MidiDlgTest::abertura() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, dispositivo);
    QFETCH(QString, instrumento);
    QFETCH(Numeros, aberturas);
    Montagem m(ini.toStdString());
    TMidiDlg& j = *m.janela;
    QCOMPARE(j.LabelDisp->text(), dispositivo);
    QCOMPARE(QStringLiteral("Dispositivo: ") + j.ComboBoxDisp->currentText(), dispositivo);
    QCOMPARE(j.LabelInst->text(), instrumento);
    QCOMPARE(j.ComboBoxInst->currentText(), instrumento);
    QVERIFY(!j.BtnSave->isEnabled());
    QVERIFY(m.sistema.registro.aberturas.empty());  // nothing sounds by itself

    QTest::mouseClick(j.BtnTest, Qt::LeftButton);
    QCOMPARE(m.sistema.registro.aberturas, Numeros{aberturas[0]});
    QCOMPARE(m.enviados(0xC0), Numeros{aberturas[1]});
}

void MidiDlgTest::instrumento_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QTestEventList>("acao");
    QTest::addColumn<QString>("rotulo");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<Numeros>("programas");  // of the test chords, the last from "&Testar som"
    const QByteArray violao = QByteArray::fromStdString(kViolao);
    const QString nylon = QStringLiteral("024 - Violão com cordas de nylon");
    QTestEventList abaixo;
    abaixo.addKeyClick(Qt::Key_Down);
    QTest::newRow("7 vira 007") << violao << teclas("7", true) << "007"
                                << "7" << Numeros{7, 7};
    // Not completed into "050 - Cordas sintetizadas 1".
    QTest::newRow("05 vira 005") << violao << teclas("05", true) << "005"
                                 << "05" << Numeros{0, 5, 5};
    // "2" and "20" take effect as they are typed; "200" does not.
    QTest::newRow("200 ignorado") << violao << teclas("200", true) << "020"
                                  << "200" << Numeros{2, 20, 20};
    QTest::newRow("mais") << violao << teclas("+") << "025"
                          << "025" << Numeros{25, 25};
    QTest::newRow("mais em 127") << QByteArray("Synth A\r\n127\r\n") << teclas("+") << "127"
                                 << "127" << Numeros{127};
    QTest::newRow("letra descartada") << violao << teclas("a") << nylon << nylon << Numeros{24};
    QTest::newRow("sugestao seguinte") << violao << abaixo << "025 - Violão com cordas de aço"
                                       << "025 - Violão com cordas de aço" << Numeros{25, 25};
}

void MidiDlgTest::instrumento() {
    QFETCH(QByteArray, ini);
    QFETCH(QTestEventList, acao);
    QFETCH(QString, rotulo);
    QFETCH(QString, texto);
    QFETCH(Numeros, programas);
    Montagem m(ini.toStdString());
    TMidiDlg& j = *m.janela;
    const QString antes = j.LabelInst->text();
    QVERIFY(QTest::qWaitForWindowActive(&j));
    j.ComboBoxInst->setFocus();
    acao.simulate(j.ComboBoxInst);
    QCOMPARE(j.LabelInst->text(), rotulo);
    QCOMPARE(j.ComboBoxInst->currentText(), texto);
    QCOMPARE(j.BtnSave->isEnabled(), rotulo != antes);
    QTest::mouseClick(j.BtnTest, Qt::LeftButton);
    QCOMPARE(m.enviados(0xC0), programas);
}

void MidiDlgTest::trocaDeDispositivo_data() {
    QTest::addColumn<bool>("testar");
    QTest::addColumn<bool>("comExemplo");
    QTest::addColumn<Numeros>("notas");
    QTest::newRow("exemplo dado") << true << true << Numeros{40, 47, 52, 55, 59, 64};
    QTest::newRow("la menor sem exemplo") << true << false << Numeros{45, 52, 57, 60, 64};
    QTest::newRow("sem testar") << false << true << Numeros{};
}

void MidiDlgTest::trocaDeDispositivo() {
    QFETCH(bool, testar);
    QFETCH(bool, comExemplo);
    QFETCH(Numeros, notas);
    Montagem m;
    TMidiDlg& j = *m.janela;
    if (comExemplo) j.setExemplo([] { return testing::dedilhado("0 2 2 0 0 0"); });
    j.CBtestar->setChecked(testar);
    QTest::keyClick(j.ComboBoxDisp, Qt::Key_Down);
    m.agenda.avancar(300ms);
    QCOMPARE(j.LabelDisp->text(), QStringLiteral("Dispositivo: Synth A"));
    QCOMPARE(m.sistema.registro.aberturas, testar ? Numeros{0} : Numeros{});
    QCOMPARE(m.enviados(0x90), notas);
    QVERIFY(j.BtnSave->isEnabled());
}

// The bass alone for 0.2592 s, or every string at once; each click tests the sound.
void MidiDlgTest::baixo() {
    Montagem m;
    for (const bool destacado : {false, true}) {
        m.sistema.registro = {};
        QTest::mouseClick(m.janela->CBbaixo, Qt::LeftButton, {}, {8, 8});
        m.agenda.avancar(300ms);
        const auto notas = m.sistema.registro.com(0x90);
        QCOMPARE(notas.size(), std::size_t{5});
        QCOMPARE(notas.back().quando - notas.front().quando,
                 destacado ? Duracao(259'200us) : Duracao::zero());
    }
}

void MidiDlgTest::tornarPadrao_data() {
    QTest::addColumn<QString>("subpasta");
    QTest::addColumn<QByteArray>("arquivo");  // MIDISOM.INI afterwards
    QTest::newRow("gravado") << "" << QByteArray("Synth A\r\n007\r\n");
    QTest::newRow("pasta inexistente") << "nao existe" << QByteArray::fromStdString(kViolao);
}

void MidiDlgTest::tornarPadrao() {
    QFETCH(QString, subpasta);
    QFETCH(QByteArray, arquivo);
    Montagem m(kViolao, subpasta.toStdString());
    TMidiDlg& j = *m.janela;
    j.CBtestar->setChecked(false);
    QTest::keyClick(j.ComboBoxDisp, Qt::Key_Down);
    teclas("7", true).simulate(j.ComboBoxInst);
    QTest::mouseClick(j.BtnSave, Qt::LeftButton);

    QCOMPARE(j.BtnSave->isEnabled(), subpasta != "");
    QCOMPARE(QDir(m.dir.path()).entryList(QDir::Files), QStringList{"MIDISOM.INI"});
    std::ostringstream lido;
    lido << std::ifstream(m.pasta / kArquivoMidi, std::ios::binary).rdbuf();
    QCOMPARE(QByteArray::fromStdString(lido.str()), arquivo);
}

// Switching to another program ends the chord under way.
void MidiDlgTest::desativarParaOSom() {
    Montagem m;
    QVERIFY(QTest::qWaitForWindowActive(m.janela.get()));
    QTest::mouseClick(m.janela->BtnTest, Qt::LeftButton);
    QVERIFY(m.acorde.soando());
    QApplication::setActiveWindow(nullptr);
    QVERIFY(!m.acorde.soando());
    QCOMPARE(m.sistema.registro.fechamentos, 1);
}

// Tasks run on the agenda's thread, in time order, never early.
void MidiDlgTest::agendaQt() {
    AgendaQt agenda;
    Numeros ordem;
    const Instante inicio = agenda.agora();
    auto tarefa = [&](int ms) {
        return [&, ms] {
            QVERIFY(agenda.agora() - inicio >= std::chrono::milliseconds(ms));
            QCOMPARE(QThread::currentThread(), thread());
            ordem.push_back(ms);
        };
    };
    agenda.depois(30ms, tarefa(30));
    agenda.depois(0ms, tarefa(0));
    std::thread([&] { agenda.depois(10ms, tarefa(10)); }).join();
    QTRY_COMPARE(ordem.size(), std::size_t{3});
    // Only what timing cannot change: the task from the other thread waits for the event loop
    // to take it, so on a busy machine it may come after the 30 ms one.
    QCOMPARE(std::count(ordem.begin(), ordem.end(), 10), 1);
    Numeros daqui;
    std::copy_if(ordem.begin(), ordem.end(), std::back_inserter(daqui), [](int ms) { return ms != 10; });
    QCOMPARE(daqui, (Numeros{0, 30}));
}

QTEST_MAIN(MidiDlgTest)
#include "midi_dlg_test.moc"
