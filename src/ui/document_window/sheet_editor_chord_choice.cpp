// A double click on a chord of the sheet or on the copy panel: another chord chosen in the chord
// selection window, for this place or everywhere in the song.
#include <cstdlib>

#include "ui/document_window/chord_panels.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"

namespace trovale {

namespace {

// "C#m7" -> "C#": the note letter and its accidental.
std::string raizDoSimbolo(std::string_view exibido) {
    if (exibido.empty()) return {};
    const std::size_t n = exibido.size() > 1 && (exibido[1] == '#' || exibido[1] == 'b') ? 2 : 1;
    return std::string(exibido.substr(0, n));
}

}  // namespace

bool SheetEditor::escolherAcordeEm(int coluna, int linha, int x) {
    SongDocument& doc = janela_.doc_;
    const auto& linhas = janela_.sheet_.Columns[static_cast<std::size_t>(coluna)];
    if (!janela_.servicos_.escolherAcorde || doc.Template.Presentation == 0 || linha < 0 ||
        linha >= static_cast<int>(linhas.size()))
        return false;
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    if (!isChordKind(r.Kind)) return false;
    const std::vector<PlacedChord> acordes = decodeChordLine(r.Text);
    std::optional<PlacedChord> alvo;
    for (std::size_t k = 0; k < acordes.size() && k < r.ChordExtents.size(); ++k)
        if (x >= r.ChordExtents[k].x && x <= r.ChordExtents[k].x + r.ChordExtents[k].width)
            alvo = acordes[k];
    if (!alvo || alvo->chord < 0 || alvo->chord >= doc.Chords.size() ||
        doc.Chords.isFree(alvo->chord))
        return false;
    const int n = alvo->chord;
    const std::string exibido = displaySymbol(withoutVariantTag(doc.Chords.Symbols[n]));
    PedidoAcorde pedido{raizDoSimbolo(exibido), std::atoi(doc.Chords.TypeCodes[n].c_str()),
                        doc.Chords.Fingerings[n], exibido, r.Line < 0};
    const auto escolhido = janela_.servicos_.escolherAcorde(pedido);
    if (!escolhido) return false;

    const SongState antes = stateOf(doc);
    if (escolhido->todas || pedido.soDigitacao) {
        // Only the fingering of the list's chord changes; its symbol stays as it is.
        const bool mesmoSimbolo = pedido.soDigitacao ||
                                  withoutVariantTag(doc.Chords.Symbols[n]) == escolhido->simbolo;
        const std::string simbolo =
            mesmoSimbolo ? doc.Chords.Symbols[n]
                         : MakeUniqueSymbol(doc, FindSameChord(doc, escolhido->simbolo,
                                                               escolhido->digitacao),
                                            escolhido->simbolo);
        const std::string tipo = pedido.soDigitacao ? doc.Chords.TypeCodes[n] : escolhido->tipo;
        ReplaceChordEverywhere(doc, n, simbolo, escolhido->digitacao, tipo);
        doc.Modified = true;
    } else {
        replaceChordAt(doc, r.Line, alvo->column + static_cast<int>(r.Start), escolhido->simbolo,
                       escolhido->digitacao, escolhido->tipo);
    }
    historico_.closeGroup();
    concluir(antes);
    return true;
}

bool SheetEditor::escolherParaCopia() {
    if (!copia_ || !janela_.servicos_.escolherAcorde) return false;
    PedidoAcorde pedido;
    if (const auto& atual = copia_->acorde()) {
        pedido.cifra = displaySymbol(atual->symbol);
        pedido.raiz = raizDoSimbolo(pedido.cifra);
        pedido.tipo = std::atoi(atual->typeCode.c_str());
        pedido.digitacao = atual->fingering;
    }
    const auto escolhido = janela_.servicos_.escolherAcorde(pedido);
    if (!escolhido) return false;
    soltarNaCopia({{-1, 0, escolhido->simbolo, escolhido->digitacao, escolhido->tipo}, 0});
    return true;
}

}  // namespace trovale
