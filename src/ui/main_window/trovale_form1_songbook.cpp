// "Caderno de cifras (PDF)": many songs in one book, chosen in the file window,
// built with a progress bar and written as one PDF.
#include <QApplication>
#include <QInputDialog>
#include <QProgressDialog>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "render/songbook.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/main_window/trovale_form1.h"

namespace trovale {

namespace {

const QString kTituloPadrao = QString::fromUtf8(kTituloCadernoPadrao);

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
    const QStringList musicas = arquivos_->escolhidos();
    QInputDialog pergunta(this);
    pergunta.setWindowTitle(QStringLiteral(" Caderno de cifras"));
    pergunta.setLabelText(
        musicas.size() == 1
            ? QStringLiteral("Título do caderno (1 música):")
            : QStringLiteral("Título do caderno (%1 músicas):").arg(musicas.size()));
    pergunta.setTextValue(kTituloPadrao);
    pergunta.setOkButtonText(QStringLiteral("&Confirmar"));
    pergunta.setCancelButtonText(QStringLiteral("&Cancelar"));
    pergunta.setMinimumWidth(380);
    if (pergunta.exec() != QDialog::Accepted) return;
    const QString titulo = pergunta.textValue();
    exportarPor(QStringLiteral(" Exportar caderno de cifras em PDF"), QStringLiteral("*.pdf"),
                [this, musicas, titulo](const QString& caminho) {
                    return gravarCaderno(
                        musicas, titulo.trimmed().isEmpty() ? kTituloPadrao : titulo, caminho);
                });
}

bool TTrovaleForm1::gravarCaderno(const QStringList& musicas, const QString& titulo,
                                  const QString& caminho) {
    PedidoCaderno pedido;
    for (const QString& musica : musicas) pedido.arquivos.emplace_back(musica.toStdString());
    pedido.titulo = titulo.toStdString();
    QProgressDialog andamento(QStringLiteral("Montando o caderno de cifras..."),
                              QStringLiteral("Cancelar"), 0, static_cast<int>(musicas.size()),
                              this);
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
