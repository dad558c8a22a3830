#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace trovale {

namespace {

// A message is a 32-bit length and that many bytes of UTF-8; one byte answers it.
constexpr char kRecebido = '\x06';
constexpr int kEsperaConexaoMs = 500;
constexpr int kEsperaRespostaMs = 1500;
constexpr int kEsperaTravaMs = 5000;
// A song path is short; anything longer is not from this program.
constexpr quint32 kMaiorMensagem = 64 * 1024;

QByteArray mensagem(const QString& caminho) {
    const QByteArray texto = caminho.toUtf8();
    QByteArray bytes;
    QDataStream saida(&bytes, QIODevice::WriteOnly);
    saida << static_cast<quint32>(texto.size());
    bytes.append(texto);
    return bytes;
}

}  // namespace

QString nomeCanalInstancia(const std::filesystem::path& pastaPrograma) {
    const QString pasta = QDir::cleanPath(
        QDir(QString::fromStdString(std::filesystem::absolute(pastaPrograma).string()))
            .absolutePath());
    const QByteArray chave = (QDir::homePath() + QLatin1Char('\n') + pasta).toUtf8();
    const QString resumo = QString::fromLatin1(
        QCryptographicHash::hash(chave, QCryptographicHash::Sha1).toHex().left(16));
#if defined(Q_OS_WIN)
    return QStringLiteral("trovale-") + resumo;
#else
    // The runtime folder belongs to the user alone; a full path keeps the socket there.
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) base = QDir::tempPath();
    return base + QStringLiteral("/trovale-") + resumo;
#endif
}

SingleInstance::SingleInstance(QString nome, QObject* parent)
    : QObject(parent), nome_(std::move(nome)), servidor_(new QLocalServer(this)) {
    connect(servidor_, &QLocalServer::newConnection, this, &SingleInstance::aceitar);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::escutando() const {
    return servidor_->isListening();
}

bool SingleInstance::entregar(const QString& nome, const QString& caminho) {
    QLocalSocket conexao;
    conexao.connectToServer(nome);
    if (!conexao.waitForConnected(kEsperaConexaoMs)) return false;
    conexao.write(mensagem(caminho));
    if (!conexao.waitForBytesWritten(kEsperaRespostaMs)) return false;
    // A running program busy with its own start answers later; what was written is
    // already on its way, so the answer is only waited for a while.
    conexao.waitForReadyRead(kEsperaRespostaMs);
    conexao.disconnectFromServer();
    return true;
}

SingleInstance::Papel SingleInstance::iniciar(const QString& caminho) {
    // Two programs started at once must not both find no one and both listen.
#if defined(Q_OS_WIN)
    QLockFile trava(QDir::tempPath() + QLatin1Char('/') + nome_ + QStringLiteral(".lock"));
#else
    QLockFile trava(nome_ + QStringLiteral(".lock"));
#endif
    trava.setStaleLockTime(0);
    trava.tryLock(kEsperaTravaMs);
    if (entregar(nome_, caminho)) return Papel::Entregue;
    // Nobody answered: whatever socket file is there was left by a program that crashed.
    QLocalServer::removeServer(nome_);
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    servidor_->listen(nome_);
    return Papel::Primeira;
}

void SingleInstance::aceitar() {
    while (QLocalSocket* conexao = servidor_->nextPendingConnection()) {
        connect(conexao, &QLocalSocket::disconnected, conexao, &QObject::deleteLater);
        connect(conexao, &QLocalSocket::readyRead, this, [this, conexao] { ler(conexao); });
        if (conexao->bytesAvailable() > 0) ler(conexao);
    }
}

void SingleInstance::ler(QLocalSocket* conexao) {
    if (conexao->property("lido").toBool()) return;
    quint32 tamanho = 0;
    if (conexao->bytesAvailable() < static_cast<qint64>(sizeof tamanho)) return;
    QDataStream entrada(conexao->peek(sizeof tamanho));
    entrada >> tamanho;
    if (tamanho > kMaiorMensagem) {
        conexao->abort();
        return;
    }
    if (conexao->bytesAvailable() < static_cast<qint64>(sizeof tamanho + tamanho)) return;
    conexao->read(sizeof tamanho);
    const QString caminho = QString::fromUtf8(conexao->read(tamanho));
    conexao->setProperty("lido", true);
    conexao->write(&kRecebido, 1);
    conexao->flush();
    emit recebido(caminho);
}

}  // namespace trovale
