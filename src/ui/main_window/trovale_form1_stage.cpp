// The main window's way to the stage view: the song in front, full screen.
#include <QFileInfo>

#include "ui/document_window/image_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"

namespace trovale {

TPalcoForm* TTrovaleForm1::mostrarPalco(std::vector<MusicaNoPalco> musicas, int inicio,
                                        QWidget* dono) {
    auto* palco = new TPalcoForm(servicos_.catalogo.tipos,
                                 servicos_.aparencia ? *servicos_.aparencia : aparenciaFabrica_,
                                 std::move(musicas), inicio, dono ? dono : this);
    palco->setAttribute(Qt::WA_DeleteOnClose);
    connect(palco, &TPalcoForm::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    palco->showFullScreen();
    palco->raise();
    palco->activateWindow();
    palco->setFocus();
    return palco;
}

void TTrovaleForm1::ligarPalco() {
    connect(menu_.mPalco, &QAction::triggered, this, [this] {
        TImageForm* documento = documentoAtivo();
        if (!documento) return;
        std::vector<MusicaNoPalco> musicas;
        musicas.push_back({std::make_shared<SongDocument>(documento->documentoAtual()),
                           documento->tituloCancao(), 0});
        mostrarPalco(std::move(musicas), 0, this);
    });
}

}  // namespace trovale
