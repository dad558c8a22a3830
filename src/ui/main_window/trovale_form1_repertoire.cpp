// The main window's way to the repertoires: the file window chooses songs and repertoire files,
// song windows open from the list, and the book is written as every songbook is.
#include "render/songbook.h"
#include "ui/file_dialog/file_dlg.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/repertoire/repertoire_form.h"

namespace trovale {

void TTrovaleForm1::abrirRepertorio() {
    if (!arquivos_) return;
    TRepertorioForm::Servicos servicos;
    servicos.escolherMusicas = [this]() -> QStringList {
        // The window's caption sets its way of working: "C..." chooses many songs.
        if (!escolherArquivo(QStringLiteral(" Cifras do repertório: selecione ou anote as músicas"),
                             QStringLiteral("*.dec")))
            return {};
        return arquivos_->escolhidos();
    };
    servicos.escolherRepertorio = [this]() -> QString {
        if (!escolherArquivo(QStringLiteral(" Abrir repertório"), QStringLiteral("*.rep")))
            return {};
        return arquivos_->caminho();
    };
    servicos.salvarComo = [this](const std::function<bool(const QString&)>& gravar) {
        exportarPor(QStringLiteral(" Salvar repertório"), QStringLiteral("*.rep"), gravar);
    };
    servicos.abrirMusica = [this](const QString& caminho) { abrirArquivo(caminho); };
    servicos.montarCaderno = [this](const std::vector<std::filesystem::path>& musicas,
                                    const std::vector<const SongDocument*>& tocadas,
                                    const QString& titulo) {
        PedidoCaderno pedido{musicas, titulo.toStdString(), true, tocadas};
        exportarPor(QStringLiteral(" Exportar caderno de cifras em PDF"), QStringLiteral("*.pdf"),
                    [this, pedido](const QString& caminho) { return gravarPedido(pedido, caminho); });
    };
    servicos.palco = [this](std::vector<MusicaNoPalco> musicas, int inicio, QWidget* dono) {
        return mostrarPalco(std::move(musicas), inicio, dono);
    };
    TRepertorioForm janela(servicos_.catalogo, servicos_.modeloPadrao ? *servicos_.modeloPadrao
                                                                      : modeloFabrica_,
                           *dialogs_, std::move(servicos), this);
    connect(&janela, &TRepertorioForm::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    mostrarPainel(false);
    janela.exec();
    mostrarPainel(numeroDocumentos() == 0);
}

}  // namespace trovale
