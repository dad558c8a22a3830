// The main window's way to the transposition of the song in front and to the sound settings.

#include "document/site_text.h"
#include "ui/document_window/image_form.h"
#include "ui/main_window/trovale_form1.h"
#include "ui/sound/midi_dlg.h"
#include "ui/transposition/trans_form.h"

namespace trovale {

void TTrovaleForm1::setTransposicao(TTransForm* transposicao) {
    transposicao_ = transposicao;
    semJanela_.removeAll(menu_.mTranspor);
    connect(menu_.mTranspor, &QAction::triggered, this, &TTrovaleForm1::transporAtivo);
    aplicarRegras();
}

void TTrovaleForm1::setMidi(TMidiDlg* midi) {
    midi_ = midi;
    semJanela_.removeAll(menu_.mSom);
    connect(menu_.mSom, &QAction::triggered, this, [this] {
        if (!midi_) return;
        mostrarPainel(false);
        midi_->exec();
        mostrarPainel(numeroDocumentos() == 0);
    });
    aplicarRegras();
}

void TTrovaleForm1::transporAtivo() {
    TImageForm* documento = documentoAtivo();
    if (!documento || !transposicao_) return;
    const auto resultado = transposicao_->transpor(documento->acordesParaTransposicao(),
                                                   tomDaCancao(documento->documentoAtual()),
                                                   documento->capotraste());
    if (resultado)
        documento->aplicarTransposicao(*resultado, transposicao_->capotrasteEscolhido(),
                                       transposicao_->deslocamento());
}

}  // namespace trovale
