// Drops on the sheet and its panels: a chord moved to another syllable, thrown away, copied or
// magnified, and a line kind from the template window.
#include <QApplication>
#include <QDropEvent>
#include <algorithm>

#include "base/dialogs.h"
#include "ui/document_window/chord_panels.h"
#include "ui/document_window/image_form.h"
#include "ui/document_window/sheet_editor.h"

namespace trovale {

bool SheetEditor::aceitaSoltura(const QDropEvent* evento) const {
    return janela_.doc_.Template.Presentation != 0 && acordeDoMime(evento->mimeData());
}

bool SheetEditor::soltarElemento(int coluna, int linha, int tipo) {
    const Sheet& folha = janela_.sheet_;
    SongDocument& doc = janela_.doc_;
    const auto& linhas = folha.Columns[static_cast<std::size_t>(coluna)];
    const int cancao = linha >= 0 && linha < static_cast<int>(linhas.size())
                           ? linhas[static_cast<std::size_t>(linha)].Line
                           : -1;
    const auto tipoQueMuda = [](int k) { return isLyricKind(k) || k == kTitleLine || k == kAuthorLine; };
    const bool sobAcorde = cancao > 0 && isChordKind(doc.LineKinds[static_cast<std::size_t>(cancao - 1)]);
    if (cancao < 0 || !tipoQueMuda(doc.LineKinds[static_cast<std::size_t>(cancao)]) ||
        !tipoQueMuda(tipo) || ((tipo == kTitleLine || tipo == kAuthorLine) && sobAcorde)) {
        QApplication::beep();
        return false;
    }
    encerrarEdicao();
    std::uint8_t& tipoDaLinha = doc.LineKinds[static_cast<std::size_t>(cancao)];
    if (tipoDaLinha != tipo) {
        const SongState antes = stateOf(doc);
        tipoDaLinha = static_cast<std::uint8_t>(tipo);
        registrarPasso(antes);
        janela_.marcarModificado();
    }
    janela_.redispor();
    return true;
}

bool SheetEditor::soltarNaFolha(int coluna, int linha, int x, const AcordeArrastado& arrastado) {
    const Sheet& folha = janela_.sheet_;
    SongDocument& doc = janela_.doc_;
    const auto& linhas = folha.Columns[static_cast<std::size_t>(coluna)];
    const bool dentro = linha >= 0 && linha < folha.SongRowCount[static_cast<std::size_t>(coluna)] &&
                        x <= folha.ColumnTextWidth[static_cast<std::size_t>(coluna)];
    if (doc.Template.Presentation == 0 || !dentro) {
        QApplication::beep();
        return false;
    }
    const SheetRow& r = linhas[static_cast<std::size_t>(linha)];
    DropSite site;
    site.x = x;
    if (isLyricKind(r.Kind) && r.Line >= 0) {
        site.lyricLine = r.Line;
        const SheetRow* acima = linha > 0 ? &linhas[static_cast<std::size_t>(linha - 1)] : nullptr;
        if (acima && isChordKind(acima->Kind) && acima->Line >= 0 && !r.Text.empty()) {
            site.chordLine = acima->Line;
            site.extents = acima->ChordExtents;
        } else if (r.Wrapped && r.Line > 0 &&
                   isChordKind(doc.LineKinds[static_cast<std::size_t>(r.Line - 1)])) {
            // A piece with no chord over it yet: its line's chord line is above the first piece.
            site.chordLine = r.Line - 1;
        }
    } else if (isChordKind(r.Kind) && r.Line >= 0) {
        site.chordLine = r.Line;
        site.extents = r.ChordExtents;
        const SheetRow* abaixo =
            linha + 1 < static_cast<int>(linhas.size()) ? &linhas[static_cast<std::size_t>(linha + 1)]
                                                         : nullptr;
        if (abaixo && isLyricKind(abaixo->Kind) && abaixo->Line >= 0 && !abaixo->Text.empty())
            site.lyricLine = abaixo->Line;
    } else {
        QApplication::beep();
        return false;
    }
    if (r.Wrapped) verComoLinhaInteira(site, r);
    DraggedChord acorde = arrastado.acorde;
    if (arrastado.origem != identidade()) acorde.line = -1;  // from another song: a copy
    CopyPanelChord painel;
    const bool comPainel = copia_ && copia_->acorde();
    if (comPainel) painel = {copia_->simboloComMarca(), copia_->acorde()->fingering};

    const SongState antes = stateOf(doc);
    const DropResult r2 = dropChord(doc, site, acorde, *janela_.medida_, comPainel ? &painel : nullptr);
    if (r2.outcome == DropOutcome::InternalError) {
        janela_.servicos_.dialogs.aviso(kErroInterno);
        return false;
    }
    if (r2.outcome == DropOutcome::Refused) {
        QApplication::beep();
        return false;
    }
    historico_.closeGroup();
    concluir(antes);
    return true;
}

void SheetEditor::verComoLinhaInteira(DropSite& site, const SheetRow& pedaco) const {
    const SongDocument& doc = janela_.doc_;
    if (site.lyricLine < 0 || site.lyricLine >= doc.lineCount()) return;
    const std::string& letra = doc.Lines[static_cast<std::size_t>(site.lyricLine)];
    const int tipo = doc.LineKinds[static_cast<std::size_t>(site.lyricLine)];
    const TextMeasure& medida = *janela_.medida_;
    // What a piece's start is worth on the whole line, less its indent.
    const auto deslocamento = [&](const SheetRow& r) {
        return medida.textWidth(tipo, std::string_view(letra).substr(0, r.Start)) - r.Indent;
    };
    std::vector<const SheetRow*> acordes;
    std::size_t ultimoInicio = 0, fimDoPedaco = letra.size();
    for (const auto& coluna : janela_.sheet_.Columns)
        for (const SheetRow& r : coluna) {
            if (r.Line == site.lyricLine) {
                ultimoInicio = std::max(ultimoInicio, r.Start);
                if (r.Start == pedaco.Start) fimDoPedaco = r.Start + r.Text.size();
            }
            if (site.chordLine >= 0 && r.Line == site.chordLine && isChordKind(r.Kind))
                acordes.push_back(&r);
        }
    std::sort(acordes.begin(), acordes.end(),
              [](const SheetRow* a, const SheetRow* b) { return a->Start < b->Start; });
    site.extents.clear();
    for (const SheetRow* r : acordes)
        for (ChordExtent e : r->ChordExtents) {
            e.x += deslocamento(*r);
            site.extents.push_back(e);
        }
    site.x += deslocamento(pedaco);
    // Past the end of a piece that is not the last, the chord stays on that piece's last letter.
    if (pedaco.Start < ultimoInicio)
        site.x = std::min(site.x,
                          medida.textWidth(tipo, std::string_view(letra).substr(0, fimDoPedaco)) + 1);
}

bool SheetEditor::soltarNoLixo(const AcordeArrastado& acorde) {
    if (acorde.origem != identidade() || acorde.acorde.line < 0) return false;
    SongDocument& doc = janela_.doc_;
    const SongState antes = stateOf(doc);
    trashChord(doc, acorde.acorde.line, acorde.acorde.column);
    if (doc.Lines == antes.Lines) return false;
    historico_.closeGroup();
    concluir(antes);
    return true;
}

void SheetEditor::soltarNaCopia(const AcordeArrastado& acorde) {
    if (!copia_) return;
    const CopyPanelChord copia = copyForPanel(janela_.doc_, acorde.acorde);
    DraggedChord guardado = acorde.acorde;
    guardado.line = -1;
    copia_->setAcorde(guardado, identidade());
    copia_->setSimboloComMarca(copia.symbol);
    copia_->update();
}

void SheetEditor::soltarNaLupa(const AcordeArrastado& acorde) {
    if (acorde.acorde.fingering == kNoFingering) {
        janela_.servicos_.dialogs.aviso(kSemDigitacao);
        return;
    }
    if (janela_.servicos_.analisarDigitacao)
        janela_.servicos_.analisarDigitacao(acorde.acorde.fingering);
}

}  // namespace trovale
