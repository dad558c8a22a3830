#pragma once
// One running program per user and program folder. A second start hands its song path to
// the running one over a local socket and ends.

#include <QObject>
#include <QString>
#include <filesystem>

class QLocalServer;
class QLocalSocket;

namespace trovale {

// The socket's name: private to the user, and apart for each program folder, since two
// programs writing one catalogue would undo each other's saves.
QString nomeCanalInstancia(const std::filesystem::path& pastaPrograma);

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Papel { Primeira, Entregue };

    explicit SingleInstance(QString nome, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands `caminho` (empty: only come to the front) to a running instance, or becomes the
    // running instance when there is none. A socket left behind by a crash is replaced.
    Papel iniciar(const QString& caminho);
    bool escutando() const;

    // Only the sending half, for a caller that knows an instance is running.
    static bool entregar(const QString& nome, const QString& caminho);

  signals:
    // What a later start sent: a song path, or empty to bring the program to the front.
    void recebido(const QString& caminho);

  private:
    void aceitar();
    void ler(QLocalSocket* conexao);

    QString nome_;
    QLocalServer* servidor_;
};

}  // namespace trovale
