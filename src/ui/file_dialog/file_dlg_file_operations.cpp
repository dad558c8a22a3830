// The file window as a small song manager: files deleted, noted, and copied to the folder on
// show.
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "base/dialogs.h"
#include "base/file_saving.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/file_dialog/file_dlg_helpers.h"
#include "ui/file_dialog/folder_tree.h"
#include "ui/file_dialog/song_list_view.h"

namespace trovale {

namespace {

const char* const kTarefaIncompleta =
    "Tarefa não completada: disco cheio, protegido ou defeituoso.";

}  // namespace

void TFileDlg::apagarSelecionados() {
    mostrarDicas(false);
    const QList<int> selecionadas = linhasSelecionadas();
    if (selecionadas.isEmpty()) return;
    if (verificarPasta(pasta_, volume_) != EstadoPasta::Pronta) {
        aviso(texto(kMensagemNaoAberto));
        return;
    }
    QStringList apagados;
    for (int linha : selecionadas) {
        const QString nome = linhas_[linha].arquivo.nome;
        const QString caminho = caminhoDe(nome);
        if (operacoes_.indiceAberto && operacoes_.indiceAberto(caminho) >= 0) {
            aviso(QStringLiteral("Arquivo ") + entreAspas(caminho) +
                  QStringLiteral(" está aberto e não pode ser deletado."));
            continue;
        }
        if (dialogs_.pergunta(6, caminho.toStdString()) == Resposta::Nao) continue;
        bool removido = false;
        try {
            removido = fs_.remove(caminhoFs(caminho));
        } catch (const FileSystemError&) {
        }
        if (!removido) {
            aviso(QStringLiteral("Arquivo ") + entreAspas(caminho) +
                  QStringLiteral(" não encontrado (ou dispositivo protegido contra gravação)."));
            continue;
        }
        apagados << nome;
        anotados_.removeAll(caminho);
    }
    BtnCopia->setEnabled(!anotados_.isEmpty());
    if (apagados.isEmpty()) return;
    arquivos_.removeIf([&](const ArquivoListado& a) { return apagados.contains(a.nome); });
    linhas_.removeIf([&](const LinhaOrdenada& l) { return apagados.contains(l.arquivo.nome); });
    mostrarLinhas({});
    if (linhas_.isEmpty()) {
        Edit->clear();
        return;
    }
    selecionarLinha(std::min(selecionadas.first(), static_cast<int>(linhas_.size()) - 1));
}

void TFileDlg::BtnAnotaClick() {
    mostrarDicas(false);
    anotados_.clear();
    for (const QString& nome : nomesSelecionados()) anotados_ << caminhoDe(nome);
    BtnCopia->setEnabled(!anotados_.isEmpty());
}

void TFileDlg::BtnCopiaClick() {
    mostrarDicas(false);
    if (anotados_.isEmpty()) return;
    if (verificarPasta(QFileInfo(anotados_.first()).absolutePath()) != EstadoPasta::Pronta) {
        aviso(QStringLiteral("Atenção: dispositivo de origem não carregado ou caminho inválido."));
        return;
    }
    if (verificarPasta(pasta_, volume_) != EstadoPasta::Pronta) {
        aviso(QStringLiteral("Atenção: dispositivo de destino não carregado ou caminho inválido."));
        return;
    }
    for (const QString& de : std::as_const(anotados_)) {
        const QString nome = QFileInfo(de).fileName();
        const QString para = caminhoDe(nome);
        const QFileInfo destino(para);
        // Copying a file onto itself would only ask a pointless question.
        if (destino.exists() && destino.canonicalFilePath() == QFileInfo(de).canonicalFilePath())
            continue;
        if (destino.exists() && dialogs_.pergunta(5, nome.toStdString()) != Resposta::Sim) continue;
        std::error_code erro;
        bool copiado = std::filesystem::is_regular_file(caminhoFs(de), erro);
        try {
            if (copiado) fs_.copyFile(caminhoFs(de), caminhoFs(para));
        } catch (const FileSystemError&) {
            copiado = false;
        }
        if (!copiado) {
            aviso(texto(kTarefaIncompleta));
            break;
        }
    }
    relistar();
}

}  // namespace trovale
