// The main window's way to the capo of the song in front.

#include <QMenu>

#include "ui/capo/capo_form.h"
#include "ui/document_window/image_form.h"
#include "ui/help/help_form.h"
#include "ui/main_window/trovale_form1.h"

namespace trovale {

void TTrovaleForm1::ligarCapotraste() {
    connect(menu_.mCapotraste, &QAction::triggered, this, &TTrovaleForm1::capotrasteAtivo);
    connect(menu_.mSoantes, &QAction::triggered, this, [this](bool marcado) {
        if (TImageForm* documento = documentoAtivo()) documento->mostrarNomesSoantes(marcado);
    });
    // The mark is the song in front's own.
    connect(menu_.mEditar, &QMenu::aboutToShow, this, [this] {
        const TImageForm* documento = documentoAtivo();
        menu_.mSoantes->setChecked(documento && documento->nomesSoantes());
    });
}

void TTrovaleForm1::capotrasteAtivo() {
    TImageForm* documento = documentoAtivo();
    if (!documento) return;
    TCapoForm pergunta(this);
    connect(&pergunta, &TCapoForm::ajudaPedida, this, [this](const QString& pagina) {
        if (ajuda_) ajuda_->mostrarPagina(pagina);
    });
    if (const std::optional<int> casa = pergunta.escolher(documento->capotraste()))
        documento->definirCapotraste(*casa);
}

}  // namespace trovale
