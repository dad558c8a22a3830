// "Caderno de cifras (PDF)": many songs in one book, chosen in the file window,
// built with a progress bar and written as one PDF.
#include <QApplication>
#include <QMdiSubWindow>
#include <QProgressDialog>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "render/songbook.h"
#include "ui/document_window/image_form.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/songbook/caderno_dlg.h"

namespace trovale {

namespace {

// "Músicas deixadas de fora:" and one line per song, with the reason.
std::string relatorioDeRecusadas(const std::vector<MusicaRecusada>& recusadas) {
    std::string texto = "Músicas deixadas de fora do caderno:";
    for (const MusicaRecusada& r : recusadas)
        texto += "\n" + r.arquivo.filename().string() + ": " + r.mensagem;
    return texto;
}

}  // namespace

void TTrovaleForm1::montarCaderno() {
    if (!arquivos_) return;
    if (!escolherArquivo(QStringLiteral(" Caderno de cifras: selecione ou anote as músicas"),
                         QStringLiteral("*.dec")))
        return;
    TCadernoDlg pergunta(this);
    connect(&pergunta, &TCadernoDlg::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    pergunta.preparar(arquivos_->escolhidos());
    if (pergunta.exec() != QDialog::Accepted) return;
    const QStringList musicas = pergunta.musicas();
    const QString titulo = pergunta.titulo();
    const bool alfabetica = pergunta.emOrdemAlfabetica();
    exportarPor(QStringLiteral(" Exportar caderno de cifras em PDF"), QStringLiteral("*.pdf"),
                [this, musicas, titulo, alfabetica](const QString& caminho) {
                    return gravarCaderno(musicas, titulo, alfabetica, caminho);
                });
}

bool TTrovaleForm1::gravarCaderno(const QStringList& musicas, const QString& titulo,
                                  bool alfabetica, const QString& caminho) {
    PedidoCaderno pedido;
    // A song open in a window goes in as the window shows it, saved or not.
    for (const QString& musica : musicas) {
        pedido.arquivos.emplace_back(musica.toStdString());
        QMdiSubWindow* janela = documentoComArquivo(musica);
        auto* documento = janela ? qobject_cast<TImageForm*>(janela->widget()) : nullptr;
        pedido.abertas.push_back(documento ? &documento->documentoAtual() : nullptr);
    }
    pedido.titulo = titulo.toStdString();
    pedido.manterOrdem = !alfabetica;
    return gravarPedido(pedido, caminho);
}

bool TTrovaleForm1::gravarPedido(const PedidoCaderno& pedido, const QString& caminho) {
    QProgressDialog andamento(QStringLiteral("Montando o caderno de cifras..."),
                              QStringLiteral("Cancelar"), 0,
                              static_cast<int>(pedido.arquivos.size()), this);
    andamento.setWindowTitle(QStringLiteral(" Caderno de cifras"));
    andamento.setWindowModality(Qt::WindowModal);
    andamento.setMinimumDuration(0);
    const RecursosCaderno recursos{
        servicos_.catalogo.tipos, servicos_.aparencia ? *servicos_.aparencia : aparenciaFabrica_,
        servicos_.modeloPadrao ? *servicos_.modeloPadrao : modeloFabrica_};
    const CadernoMontado caderno =
        trovale::montarCaderno(pedido, recursos, [&](int feitas, int total) {
            andamento.setLabelText(QStringLiteral("Montando o caderno de cifras: %1 de %2 músicas")
                                       .arg(feitas)
                                       .arg(total));
            andamento.setValue(feitas);
            return !andamento.wasCanceled();
        });
    andamento.reset();
    if (!caderno.recusadas.empty()) dialogs_->aviso(relatorioDeRecusadas(caderno.recusadas));
    switch (caderno.fim) {
        case FimCaderno::Montado:
            break;
        case FimCaderno::FalhaPdf:
            dialogs_->aviso(kMensagemArquivoImproprio);
            return false;
        case FimCaderno::NenhumaMusica:
        case FimCaderno::Cancelado:
            return false;  // nothing written; the file window stays open
    }
    DiskFileSystem disco;
    return gravarArquivo(disco, caminho.toStdString(), caderno.pdf, *dialogs_) ==
           ResultadoGravacao::Gravado;
}

}  // namespace trovale
