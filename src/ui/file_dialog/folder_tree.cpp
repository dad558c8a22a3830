#include "ui/file_dialog/folder_tree.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

namespace trovale {

namespace {

constexpr int kPapelCaminho = Qt::UserRole;
constexpr int kPapelVolume = Qt::UserRole + 1;
constexpr int kPapelLido = Qt::UserRole + 2;

const QString kSeta = QStringLiteral(" --> ");

bool pastaLegivel(const QFileInfo& info) {
    return info.isDir() && info.isReadable() && info.isExecutable();
}

// Only whether one exists: the expander shows without reading the whole level below.
bool temSubpasta(const QString& caminho) {
    QDirIterator it(caminho, QDir::Dirs | QDir::NoDotAndDotDot);
    return it.hasNext();
}

QStringList subpastas(const QString& caminho) {
    QStringList nomes = QDir(caminho).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(nomes.begin(), nomes.end(), collator);
    return nomes;
}

// Snap images and the like are read-only machinery, not places for songs.
bool volumeDeUsuario(const QStorageInfo& v) {
    if (!v.isValid() || !v.isReady() || v.rootPath() == QLatin1String("/")) return false;
    if (v.fileSystemType() == "squashfs") return false;
    return pastaLegivel(QFileInfo(v.rootPath()));
}

QStyle::StandardPixmap iconeDoVolume(const QStorageInfo& v) {
    const QByteArray tipo = v.fileSystemType();
    if (tipo == "iso9660" || tipo == "udf") return QStyle::SP_DriveCDIcon;
    if (tipo.startsWith("nfs") || tipo == "cifs" || tipo == "smbfs" ||
        tipo.startsWith("fuse.sshfs"))
        return QStyle::SP_DriveNetIcon;
    if (v.rootPath().startsWith(QLatin1String("/media/")) ||
        v.rootPath().startsWith(QLatin1String("/run/media/")))
        return QStyle::SP_DriveFDIcon;
    return QStyle::SP_DriveHDIcon;
}

QString nomeDoVolume(const QStorageInfo& v) {
    const QString nome = v.displayName();
    if (nome != v.rootPath()) return nome;
    return v.rootPath() == QLatin1String("/") ? QStringLiteral("Sistema de arquivos")
                                              : QString::fromLocal8Bit(v.device());
}

bool contem(const QString& raiz, const QString& pasta) {
    if (raiz == QLatin1String("/")) return pasta.startsWith(raiz);
    return pasta == raiz || pasta.startsWith(raiz + QLatin1Char('/'));
}

}  // namespace

EstadoPasta verificarPasta(const QString& caminho, const QString& volume) {
    if (!volume.isEmpty()) {
        const QStorageInfo info(caminho);
        if (!info.isValid() || !info.isReady() || info.rootPath() != volume)
            return EstadoPasta::DispositivoAusente;
    }
    return pastaLegivel(QFileInfo(caminho)) ? EstadoPasta::Pronta : EstadoPasta::Impropria;
}

FolderTree::FolderTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("TreeView"));
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Long paths scroll sideways instead of being cut.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTree::popular);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->childCount() == 0) {
            item->setData(0, kPapelLido, false);
            popular(item);
            item->setExpanded(true);
        }
    });
}

QString FolderTree::caminho(const QTreeWidgetItem* item) {
    return item ? item->data(0, kPapelCaminho).toString() : QString();
}

QString FolderTree::volume(const QTreeWidgetItem* item) {
    while (item && item->parent()) item = item->parent();
    return item ? item->data(0, kPapelVolume).toString() : QString();
}

QTreeWidgetItem* FolderTree::novoNo(QTreeWidgetItem* pai, const QString& caminho,
                                    const QString& nome) {
    auto* item = pai ? new QTreeWidgetItem(pai) : new QTreeWidgetItem(this);
    item->setText(0, nome);
    item->setData(0, kPapelCaminho, caminho);
    item->setChildIndicatorPolicy(temSubpasta(caminho)
                                      ? QTreeWidgetItem::ShowIndicator
                                      : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (pai) item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    return item;
}

void FolderTree::carregarRaizes() {
    clear();
    const QStorageInfo raiz = QStorageInfo::root();
    novoNo(nullptr, QStringLiteral("/"), QStringLiteral("/") + kSeta + nomeDoVolume(raiz))
        ->setIcon(0, style()->standardIcon(QStyle::SP_ComputerIcon));
    const QString casa = QDir::homePath();
    if (casa != QLatin1String("/")) {
        novoNo(nullptr, casa, casa + kSeta + QStringLiteral("Pasta pessoal"))
            ->setIcon(0, style()->standardIcon(QStyle::SP_DirHomeIcon));
    }
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo& a, const QStorageInfo& b) {
        return a.rootPath() < b.rootPath();
    });
    QStringList vistos;
    for (const QStorageInfo& v : volumes) {
        if (!volumeDeUsuario(v) || vistos.contains(v.rootPath())) continue;
        vistos << v.rootPath();
        QTreeWidgetItem* item =
            novoNo(nullptr, v.rootPath(), v.rootPath() + kSeta + nomeDoVolume(v));
        item->setData(0, kPapelVolume, v.rootPath());
        item->setIcon(0, style()->standardIcon(iconeDoVolume(v)));
    }
}

void FolderTree::popular(QTreeWidgetItem* item) {
    if (item->data(0, kPapelLido).toBool()) return;
    item->setData(0, kPapelLido, true);
    qDeleteAll(item->takeChildren());
    const QString pasta = caminho(item);
    for (const QString& nome : subpastas(pasta)) novoNo(item, QDir(pasta).filePath(nome), nome);
}

QTreeWidgetItem* FolderTree::filho(QTreeWidgetItem* item, const QString& nome) {
    popular(item);
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == nome) return item->child(i);
    // A hidden folder is not listed, but a default folder may still lie inside one.
    const QString caminhoFilho = QDir(caminho(item)).filePath(nome);
    if (!QFileInfo(caminhoFilho).isDir()) return nullptr;
    return novoNo(item, caminhoFilho, nome);
}

QTreeWidgetItem* FolderTree::abrirAte(const QString& pasta) {
    const QString alvo = QDir::cleanPath(pasta);
    QTreeWidgetItem* melhor = nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* raiz = topLevelItem(i);
        if (contem(caminho(raiz), alvo) &&
            (!melhor || caminho(raiz).size() > caminho(melhor).size()))
            melhor = raiz;
    }
    if (!melhor) return nullptr;
    QString resto = alvo.mid(caminho(melhor).size());
    QTreeWidgetItem* item = melhor;
    for (const QString& nome : resto.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QTreeWidgetItem* proximo = filho(item, nome);
        if (!proximo) break;
        item->setExpanded(true);
        item = proximo;
    }
    return item;
}

}  // namespace trovale
