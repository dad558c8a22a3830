// The file window's list: rows read from the folder, sorted by the column order, selected,
// and copied to the clipboard a column at a time.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <array>
#include <utility>

#include "ui/file_dialog/file_dlg.h"
#include "ui/file_dialog/song_list_view.h"

namespace trovale {

void TFileDlg::atualizarCabecalho() {
    // A songbook takes many songs at once, which the other modes never do: say how.
    if (modo() == Modo::Caderno)
        LabelLista->setText(QStringLiteral("Selecione as músicas do caderno (Ctrl ou Shift com "
                                           "o clique) ou anote-as, e aperte Confirmar:"));
    else
        LabelLista->setText(QStringLiteral("Lista de arquivos ") + mascara_ +
                            QStringLiteral(" no diretório (ou pasta) acima, ordenados pelos "
                                           "primeiros atributos:"));
    QStringList titulos;
    for (ColunaArquivo c : ordem_) titulos << QString::fromUtf8(nomeColuna(c));
    Lista->setHeaderLabels(titulos);
}

void TFileDlg::relistar() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ListagemPasta listagem = listarPasta(pasta_, mascara_);
    QGuiApplication::restoreOverrideCursor();
    for (const QString& nome : listagem.ilegiveis)
        aviso(QStringLiteral("Arquivo incompatível ou defeituoso :") + nome);
    arquivos_ = std::move(listagem.arquivos);
    reordenar();
}

void TFileDlg::reordenar() {
    const QStringList selecionados = nomesSelecionados();
    linhas_ = ordenarListagem(arquivos_, ordem_);
    mostrarLinhas(selecionados);
}

void TFileDlg::mostrarLinhas(const QStringList& selecionar) {
    preenchendo_ = true;
    Lista->clear();
    QList<QTreeWidgetItem*> itens;
    itens.reserve(linhas_.size());
    for (const LinhaOrdenada& linha : linhas_) {
        QStringList valores;
        for (ColunaArquivo c : ordem_) valores << linha.arquivo.valor(c);
        itens << new QTreeWidgetItem(valores);
    }
    Lista->addTopLevelItems(itens);
    bool primeiro = true;
    for (int i = 0; i < linhas_.size(); ++i) {
        if (!selecionar.contains(linhas_[i].arquivo.nome)) continue;
        if (primeiro) Lista->setCurrentItem(itens[i], 0, QItemSelectionModel::NoUpdate);
        itens[i]->setSelected(true);
        primeiro = false;
    }
    preenchendo_ = false;
}

void TFileDlg::selecaoMudou() {
    if (preenchendo_) return;
    mostrarDicas(false);
    QTreeWidgetItem* item = Lista->currentItem();
    if (!item || !item->isSelected()) {
        const QList<QTreeWidgetItem*> selecionados = Lista->selectedItems();
        item = selecionados.isEmpty() ? nullptr : selecionados.first();
    }
    if (item) Edit->setText(linhas_[Lista->indexOfTopLevelItem(item)].arquivo.nome);
}

void TFileDlg::selecionarLinha(int linha) {
    if (linha < 0 || linha >= Lista->topLevelItemCount()) return;
    Lista->setCurrentItem(Lista->topLevelItem(linha));
    Lista->scrollToItem(Lista->topLevelItem(linha));
}

QList<int> TFileDlg::linhasSelecionadas() const {
    QList<int> linhas;
    for (int i = 0; i < Lista->topLevelItemCount(); ++i)
        if (Lista->topLevelItem(i)->isSelected()) linhas << i;
    return linhas;
}

QStringList TFileDlg::nomesSelecionados() const {
    QStringList nomes;
    for (int linha : linhasSelecionadas()) nomes << linhas_[linha].arquivo.nome;
    return nomes;
}

QString TFileDlg::caminhoDe(const QString& nome) const {
    return QDir(pasta_).filePath(nome);
}

void TFileDlg::trocarColunas(int de, int para) {
    mostrarDicas(false);
    if (de == para || de < 0 || para < 0 || de > 2 || para > 2) return;
    std::swap(ordem_[de], ordem_[para]);
    std::array<double, 3> fracoes = Lista->fracoes();
    std::swap(fracoes[de], fracoes[para]);
    atualizarCabecalho();
    Lista->setFracoes(fracoes);
    reordenar();
}

QMenu* TFileDlg::menuDaLista() {
    auto* menu = new QMenu(this);
    menu->addAction(QStringLiteral("Selecionar tudo"), Lista, &QTreeWidget::selectAll);
    const bool selecao = !Lista->selectedItems().isEmpty();
    for (int coluna = 1; coluna <= 3; ++coluna) {
        QAction* acao = menu->addAction(QStringLiteral("Copiar coluna %1").arg(coluna), this,
                                        [this, coluna] { copiarColuna(coluna); });
        acao->setEnabled(selecao);
    }
    // The keyboard's way to what dragging the column titles does.
    menu->addSeparator();
    menu->addAction(QStringLiteral("Trocar colunas 1 e 2"), this, [this] { trocarColunas(0, 1); });
    menu->addAction(QStringLiteral("Trocar colunas 2 e 3"), this, [this] { trocarColunas(1, 2); });
    return menu;
}

void TFileDlg::copiarColuna(int coluna) {
    QString texto;
    for (int linha : linhasSelecionadas())
        texto += linhas_[linha].arquivo.valor(ordem_[coluna - 1]) + QLatin1Char('\n');
    if (!texto.isEmpty()) QGuiApplication::clipboard()->setText(texto);
}

}  // namespace trovale
