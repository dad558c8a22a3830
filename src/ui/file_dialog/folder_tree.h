#pragma once
// The folder tree of the song file window: the file system's root, the home folder and the
// mounted volumes, each opened level by level as the user expands it.

#include <QTreeWidget>

namespace trovale {

// What a folder is fit for: a volume that went away is told apart from a bad path.
enum class EstadoPasta { Pronta, DispositivoAusente, Impropria };

// `volume`: the mount point the folder was reached through, empty when it needs none.
EstadoPasta verificarPasta(const QString& caminho, const QString& volume = {});

class FolderTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit FolderTree(QWidget* parent = nullptr);

    // Builds the roots again from the volumes mounted now.
    void carregarRaizes();
    // Expands the tree down to `pasta` and returns its node (not selected); null when no root
    // holds it.
    QTreeWidgetItem* abrirAte(const QString& pasta);

    static QString caminho(const QTreeWidgetItem* item);
    // The mount point of the volume root above the item; empty for "/" and the home folder.
    static QString volume(const QTreeWidgetItem* item);

  private:
    QTreeWidgetItem* novoNo(QTreeWidgetItem* pai, const QString& caminho, const QString& nome);
    void popular(QTreeWidgetItem* item);
    QTreeWidgetItem* filho(QTreeWidgetItem* item, const QString& nome);
};

}  // namespace trovale
