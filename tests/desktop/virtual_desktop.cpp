#include "virtual_desktop.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char** environ;

namespace trovale::testing {

namespace {

constexpr auto kPasso = std::chrono::milliseconds(50);
constexpr int kPassos = 600;  // thirty seconds for a busy machine to bring the display up

QString saidaDe(const QString& programa, const QStringList& argumentos) {
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(10000)) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The display number Xvfb writes, waiting up to ten seconds for a busy machine.
QString lerLinha(int fd) {
    QString linha;
    for (int i = 0; i < kPassos; ++i) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(kPasso.count())) <= 0) continue;
        char c = 0;
        while (read(fd, &c, 1) == 1) {
            if (c == '\n') return linha;
            linha += QLatin1Char(c);
        }
        return linha;
    }
    return linha;
}

}  // namespace

DesktopVirtual::DesktopVirtual() {
    for (const char* ferramenta : {"Xvfb", "openbox", "xprop", "xdotool", "xwininfo"})
        if (QStandardPaths::findExecutable(QLatin1String(ferramenta)).isEmpty())
            falta_ += QStringLiteral("%1 não instalado. ").arg(QLatin1String(ferramenta));
    if (!falta_.isEmpty()) return;
    // A screen of 1280 by 800 of the program's own points, at the scale asked for.
    const double escala = std::max(1.0, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    const QString tela = QStringLiteral("%1x%2x24").arg(qRound(1280 * escala)).arg(qRound(800 * escala));
    // Xvfb picks a free display itself and writes its number into the pipe: no race with
    // another test's display.
    int canal[2];
    if (pipe(canal) != 0) {
        falta_ = QStringLiteral("Sem pipe para o Xvfb.");
        return;
    }
    xvfb_ = iniciar({QStringLiteral("Xvfb"), QStringLiteral("-displayfd"), QString::number(canal[1]),
                     QStringLiteral("-screen"), QStringLiteral("0"), tela,
                     QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    close(canal[1]);
    const QString numero = lerLinha(canal[0]);
    close(canal[0]);
    if (numero.isEmpty()) {
        falta_ = QStringLiteral("O Xvfb não começou.");
        return;
    }
    const QString nome = QStringLiteral(":") + numero;
    qputenv("DISPLAY", nome.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    openbox_ = iniciar({QStringLiteral("openbox")});
    if (!esperarGerenciador()) falta_ = QStringLiteral("Openbox não começou em %1.").arg(nome);
}

DesktopVirtual::~DesktopVirtual() {
    for (pid_t pid : {openbox_, xvfb_}) {
        if (pid <= 0) continue;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

pid_t DesktopVirtual::iniciar(const QList<QString>& comando) {
    std::vector<QByteArray> partes;
    for (const QString& c : comando) partes.push_back(c.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& p : partes) argv.push_back(p.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acoes, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &acoes, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&acoes);
    return pid;
}

// Openbox names itself on the root window once it manages the screen.
bool DesktopVirtual::esperarGerenciador() {
    for (int i = 0; i < kPassos; ++i) {
        const QString resposta = saidaDe(QStringLiteral("xprop"),
                                         {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (resposta.contains(QLatin1String("window id"))) return true;
        std::this_thread::sleep_for(kPasso);
    }
    return false;
}

namespace x11 {

QList<quint64> pilha() {
    const QString resposta = saidaDe(QStringLiteral("xprop"),
                                     {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<quint64> ids;
    const qsizetype inicio = resposta.indexOf(QLatin1Char('#'));
    if (inicio < 0) return ids;
    for (const QString& id : resposta.mid(inicio + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
        ids << id.trimmed().toULongLong(nullptr, 16);
    return ids;
}

bool acima(const QWidget& janela, const QWidget& abaixo) {
    const QList<quint64> ids = pilha();
    const qsizetype a = ids.indexOf(janela.window()->winId());
    const qsizetype b = ids.indexOf(abaixo.window()->winId());
    return a >= 0 && b >= 0 && a > b;
}

bool mapeada(const QWidget& janela) {
    const QString resposta = saidaDe(
        QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(janela.window()->winId())});
    return resposta.contains(QLatin1String("Map State: IsViewable"));
}

void clicar(QPoint global) {
    // The X server counts its own pixels: the program's points times the screen's scale.
    const QScreen* tela = QGuiApplication::screenAt(global);
    const QPoint x = global * (tela ? tela->devicePixelRatio() : 1.0);
    saidaDe(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(x.x()),
                                        QString::number(x.y()), QStringLiteral("click"),
                                        QStringLiteral("1")});
}

}  // namespace x11

}  // namespace trovale::testing
