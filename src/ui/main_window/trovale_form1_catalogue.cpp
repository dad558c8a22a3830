// The main window's way to the chord type editor and the presentation order.

#include "ui/main_window/trovale_form1.h"
#include "ui/type_editor/move_form.h"
#include "ui/type_editor/tipos_form.h"

namespace trovale {

void TTrovaleForm1::setTipos(TTiposForm* tipos) {
    tipos_ = tipos;
    semJanela_.removeAll(menu_.mNomenclatura);
    connect(menu_.mNomenclatura, &QAction::triggered, this, [this] {
        if (!tipos_) return;
        mostrarPainel(false);
        tipos_->abrir();
        mostrarPainel(numeroDocumentos() == 0);
        aplicarRegras();  // the save items follow what changed
    });
    aplicarRegras();
}

void TTrovaleForm1::setOrdem(TMoveForm* ordem) {
    ordem_ = ordem;
    semJanela_.removeAll(menu_.mOrdem);
    connect(menu_.mOrdem, &QAction::triggered, this, [this] {
        if (!ordem_) return;
        mostrarPainel(false);
        ordem_->abrir();
        mostrarPainel(numeroDocumentos() == 0);
        aplicarRegras();
    });
    aplicarRegras();
}

}  // namespace trovale
