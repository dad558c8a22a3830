// The main window's chord choice: a chord and fingering picked from the catalogue, for a song's
// cell or its copy panel.
#include <QAction>

#include "ui/chord_choice/select_form.h"
#include "ui/document_window/image_form.h"
#include "ui/main_window/trovale_form1.h"

namespace trovale {

void TTrovaleForm1::setSelecao(TSelectForm* selecao) {
    selecao_ = selecao;
    semJanela_.removeAll(menu_.mSelect);
    connect(menu_.mSelect, &QAction::triggered, this, &TTrovaleForm1::escolherParaCopia);
    aplicarRegras();
}

namespace {

// The stored symbol of a chosen chord: the typed symbol, or the root and the type's own.
std::string simboloEscolhido(const CatalogoTipos& tipos, const EscolhaDeAcorde& escolha) {
    if (escolha.cifraDada) return storedSymbol(*escolha.cifraDada);
    const std::string tipo = tipos.existe(escolha.tipo) ? tipos.CifraLinear[escolha.tipo] : "";
    return storedSymbol(escolha.raiz + tipo);
}

}  // namespace

std::optional<AcordeEscolhido> TTrovaleForm1::escolherAcorde(const PedidoAcorde& pedido) {
    if (!selecao_) return std::nullopt;
    const AcordeDaCelula celula{pedido.raiz, pedido.tipo, pedido.digitacao, pedido.cifra};
    const auto escolha = selecao_->escolher(celula, true, true, pedido.soDigitacao);
    if (!escolha) return std::nullopt;
    return AcordeEscolhido{simboloEscolhido(servicos_.catalogo.tipos, *escolha), escolha->digitacao,
                           std::to_string(escolha->tipo), selecao_->aplicarATodas()};
}

// "Escolher acorde e digitação": with a song open the chord goes to its copy panel; without
// one the catalogue is only looked at.
void TTrovaleForm1::escolherParaCopia() {
    if (!selecao_) return;
    TImageForm* documento = documentoAtivo();
    const auto escolha = selecao_->escolher({}, documento != nullptr);
    if (!escolha || !documento) return;
    const std::string simbolo = simboloEscolhido(servicos_.catalogo.tipos, *escolha);
    documento->colocarNaCopia({-1, 0, simbolo, escolha->digitacao, std::to_string(escolha->tipo)});
}

}  // namespace trovale
