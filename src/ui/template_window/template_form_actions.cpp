// What the user does in the template window: fonts, colours, the size and the buttons.

#include <QCheckBox>

#include "render/sheet_measure.h"
#include "settings/settings_file_modelo.h"
#include "ui/template_window/element_font.h"
#include "ui/template_window/element_label.h"
#include "ui/template_window/size_edit.h"
#include "ui/template_window/template_form.h"

namespace trovale {

void TModelForm::escolherFonteDe(ElementLabel* label) {
    if (arrastar_) return;
    label->marcar(true);
    const QFont atual = fonteDoElemento(label->fonte());
    const std::optional<QFont> escolhida =
        escolherFonte ? escolherFonte(atual, this) : std::nullopt;
    label->marcar(false);
    if (!escolhida) return;
    label->setFonte(fonteEscolhida(*escolhida, label->fonte()));
    ajustarTamanho();
}

void TModelForm::escolherCorDe(ElementLabel* label) {
    if (arrastar_) return;
    label->marcar(true);
    const QColor atual = corDoElemento(label->fonte().cor);
    const std::optional<QColor> escolhida = escolherCor ? escolherCor(atual, this) : std::nullopt;
    label->marcar(false);
    if (!escolhida) return;
    FonteElemento fonte = label->fonte();
    fonte.cor = corDoTemplate(*escolhida);
    label->setFonte(fonte);
}

// The font is the face, size, style and colour; whether the element is written in capitals
// is its own matter and stays.
void TModelForm::copiarFonte(ElementLabel* alvo, int deElemento) {
    const ElementLabel* origem = labelDoElemento(deElemento);
    if (arrastar_ || !origem || origem == alvo) return;
    FonteElemento fonte = origem->fonte();
    const int tamanho = fonte.tamanhoAbsoluto();
    fonte.tamanho = alvo->soMaiusculas() ? -tamanho : tamanho;
    alvo->setFonte(fonte);
    ajustarTamanho();
}

// The size as the buttons take it: a size that does not convert has been refused with its
// message and the typing goes on in the edit.
bool TModelForm::tamanhoAceito() {
    if (tamanhoDiagramaDeTexto(EditSize->text().toStdString(), dialogs_) > 0) return true;
    devolverFoco();
    return false;
}

void TModelForm::OKBtnClick() {
    if (tamanhoAceito()) accept();
}

void TModelForm::BtnAplicarClick() {
    if (!tamanhoAceito()) return;
    emit aplicarPedido();
    devolverFoco();
}

void TModelForm::BtnPadraoClick() {
    if (!tamanhoAceito()) return;
    tornarModeloPadrao(fs_, pasta_, modeloDaJanela(padrao_), padrao_, dialogs_);
    devolverFoco();
}

void TModelForm::BtnAdotarClick() {
    // The default template is fonts and presentation; whether the song wraps stays its own.
    Modelo padrao = padrao_;
    padrao.QuebrarLinhas = CBQuebrar->isChecked();
    mostrarModelo(padrao);
    ajustarTamanho();
    devolverFoco();
}

}  // namespace trovale
