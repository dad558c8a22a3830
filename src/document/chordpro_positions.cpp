#include "document/chordpro_positions.h"

#include "document/chord_columns.h"

namespace trovale {

namespace {

// The lyric a chord line stands over: the next line when it is lyric-like.
std::size_t tamanhoDaLetraAbaixo(const SongDocument& doc, std::size_t i) {
    if (i + 1 >= doc.Lines.size() || i + 1 >= doc.LineKinds.size()) return 0;
    if (!isLyricKind(doc.LineKinds[i + 1])) return 0;
    return textoSemBrancosFinais(doc.Lines[i + 1]).size();
}

}  // namespace

std::string textoSemBrancosFinais(std::string_view texto) {
    return std::string(texto.substr(0, texto.find_last_not_of(' ') + 1));
}

// The text export's rule for chords past the lyric, with the symbols as the text form writes
// them (variant tag and all): the import rebuilds exactly this text line.
std::vector<AcordeNoTexto> acordesNoTexto(const SongDocument& doc, std::size_t i) {
    const int n = static_cast<int>(tamanhoDaLetraAbaixo(doc, i));
    std::vector<AcordeNoTexto> acordes;
    ColunasDeCifras colunas(n);
    for (const PlacedChord& placed : decodeChordLine(doc.Lines[i])) {
        if (placed.chord < 0 || placed.chord >= doc.Chords.size() ||
            doc.Chords.isFree(placed.chord))
            continue;
        std::string simbolo = displaySymbol(doc.Chords.Symbols[placed.chord]);
        const int t = colunas.posicionar(placed.column, static_cast<int>(simbolo.size()));
        acordes.push_back({placed.chord, std::move(simbolo), t});
    }
    return acordes;
}

}  // namespace trovale
