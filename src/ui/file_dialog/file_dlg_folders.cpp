// The file window's folders: MUSICS.INI read and made default, the folder tree, the folder on
// show and its label.
#include <QDir>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>
#include <array>

#include "ui/file_dialog/file_dlg.h"
#include "ui/file_dialog/file_dlg_helpers.h"
#include "ui/file_dialog/folder_tree.h"
#include "ui/file_dialog/song_list_view.h"

namespace trovale {

void TFileDlg::lerConfiguracao() {
    configuracao_ =
        carregarMusicas(fs_, caminhoFs(pastaPrograma_), pastaCancoes_.toStdString(), dialogs_);
    std::array<double, 3> fracoes{};
    for (int i = 0; i < 3; ++i) {
        ordem_[i] = configuracao_.colunas[i].coluna;
        fracoes[i] = configuracao_.colunas[i].largura;
    }
    Lista->setFracoes(fracoes);
    atualizarCabecalho();
}

// The stored folder when it can be used; else the songs folder, made when missing; the
// program's own folder as a last resort.
void TFileDlg::carregarArvore() {
    QString inicial = pasta_.isEmpty() ? QString::fromStdString(configuracao_.pasta) : pasta_;
    if (verificarPasta(inicial, pasta_.isEmpty() ? QString() : volume_) != EstadoPasta::Pronta) {
        QDir().mkpath(pastaCancoes_);
        inicial = pastaCancoes_;
        if (verificarPasta(inicial) != EstadoPasta::Pronta) inicial = pastaPrograma_;
    }
    mudandoArvore_ = true;
    TreeView->carregarRaizes();
    mudandoArvore_ = false;
    pasta_.clear();
    abrirPasta(inicial);
}

bool TFileDlg::abrirPasta(const QString& pasta) {
    const QString alvo = QDir::cleanPath(QDir(pasta_).absoluteFilePath(pasta));
    QTreeWidgetItem* item = TreeView->abrirAte(alvo);
    if (!item || FolderTree::caminho(item) != alvo) {
        pastaUtil(alvo, {});
        return false;
    }
    if (TreeView->currentItem() == item) {
        if (!pastaUtil(alvo, FolderTree::volume(item))) return false;
        definirPasta(alvo, FolderTree::volume(item));
    } else {
        TreeView->setCurrentItem(item);
    }
    TreeView->scrollToItem(item);
    return pasta_ == alvo;
}

void TFileDlg::arvoreMudou(QTreeWidgetItem* atual, QTreeWidgetItem* anterior) {
    if (mudandoArvore_ || !atual) return;
    mostrarDicas(false);
    const QString pasta = FolderTree::caminho(atual);
    const QString volume = FolderTree::volume(atual);
    if (!pastaUtil(pasta, volume)) {
        // The tree goes back to the folder the list still shows.
        const QSignalBlocker bloqueio(TreeView);
        TreeView->setCurrentItem(anterior);
        return;
    }
    definirPasta(pasta, volume);
}

bool TFileDlg::pastaUtil(const QString& pasta, const QString& volume) {
    switch (verificarPasta(pasta, volume)) {
        case EstadoPasta::Pronta:
            return true;
        case EstadoPasta::DispositivoAusente:
            aviso(
                QStringLiteral("Atenção: o dispositivo de leitura/gravação não está carregado. ") +
                entreAspas(pasta));
            return false;
        case EstadoPasta::Impropria:
            break;
    }
    aviso(QStringLiteral("Arquivo/caminho impróprio ou dispositivo inválido/defeituoso ") +
          entreAspas(pasta));
    return false;
}

void TFileDlg::definirPasta(const QString& pasta, const QString& volume) {
    pasta_ = pasta;
    volume_ = volume;
    mostrarPastaNoRotulo();
    relistar();
}

void TFileDlg::mostrarPastaNoRotulo() {
    const int largura = std::max(LabelDir->width(), 40);
    LabelDir->setText(LabelDir->fontMetrics().elidedText(pasta_, Qt::ElideMiddle, largura));
    LabelDir->setToolTip(pasta_);
}

void TFileDlg::BtnPadraoClick() {
    mostrarDicas(false);
    configuracao_.pasta = pasta_.toStdString();
    const std::array<double, 3> fracoes = Lista->fracoes();
    for (int i = 0; i < 3; ++i) configuracao_.colunas[i] = {ordem_[i], fracoes[i]};
    gravarMusicas(fs_, caminhoFs(pastaPrograma_), configuracao_, dialogs_);
}

void TFileDlg::guardarFonteEditor(int fonte) {
    configuracao_.fonteEditor = fonte;
    gravarMusicas(fs_, caminhoFs(pastaPrograma_), configuracao_, dialogs_);
}

void TFileDlg::BtnRefreshClick() {
    mostrarDicas(false);
    if (!pastaUtil(pasta_, volume_)) {
        arquivos_.clear();
        linhas_.clear();
        mostrarLinhas({});
        return;
    }
    relistar();
}

}  // namespace trovale
