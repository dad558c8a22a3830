// The main window's way to the stage view: the song in front, full screen, and the window that
// teaches it a pedal's keys.
#include <QFileInfo>

#include "ui/document_window/image_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/stage/stage_keys_dlg.h"

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
    if (teclasPalco_) palco->setTeclas(teclasPalco_->teclas());
    connect(palco, &TPalcoForm::teclasPedidas, this, [this, palco] {
        if (teclasPalco_ && teclasPalco_->ensinar()) palco->setTeclas(teclasPalco_->teclas());
        palco->showFullScreen();
        palco->activateWindow();
    });
    palco->showFullScreen();
    palco->raise();
    palco->activateWindow();
    palco->setFocus();
    return palco;
}

void TTrovaleForm1::setTeclasPalco(TTeclasPalcoDlg* teclas) {
    teclasPalco_ = teclas;
    menu_.mTeclasPalco->setEnabled(true);
    connect(menu_.mTeclasPalco, &QAction::triggered, this, [this] {
        if (teclasPalco_) teclasPalco_->ensinar();
    });
    connect(teclasPalco_, &TTeclasPalcoDlg::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
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
