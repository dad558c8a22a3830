#include "document/song_document.h"

#include <algorithm>
#include <utility>

namespace trovale {

bool isChordKind(int kind) {
    return kind == kChordLine || kind == kDiagramChordLine;
}

bool isLyricKind(int kind) {
    return kind == kLyricLine || kind == kRefrainLine || kind == kChorusLine || kind == kNotesLine;
}

void ChordTable::append(std::string symbol, std::string typeCode, std::string fingering) {
    Symbols.push_back(std::move(symbol));
    TypeCodes.push_back(std::move(typeCode));
    Fingerings.push_back(std::move(fingering));
}

SongDocument newSongDocument(const Modelo& defaultTemplate, const PageLayout& defaultLayout) {
    SongDocument doc;
    doc.Template = defaultTemplate;
    doc.Layout = defaultLayout;
    return doc;
}

// ---- Stored chord symbols ----------------------------------------------------------------

std::string_view withoutVariantTag(std::string_view symbol) {
    return symbol.substr(0, symbol.find('*'));
}

std::string variantTag(int n) {
    if (n <= 1) return "";
    if (n == 2) return "*";
    return std::string("*") + static_cast<char>(96 + n);
}

std::string displaySymbol(std::string_view stored) {
    std::string texto(stored);
    if (texto.size() < 2) return texto;
    if (texto[1] == 's')
        texto[1] = '#';
    else if (texto[1] == 'f')
        texto.erase(1, 1);
    return texto;
}

std::string storedSymbol(std::string_view typed) {
    std::string texto(typed);
    if (texto.empty()) return texto;
    if (texto.size() == 1) return texto + 'f';
    if (texto[1] == '#')
        texto[1] = 's';
    else if (texto[1] != 'b')
        texto.insert(1, 1, 'f');
    return texto;
}

// ---- Operations on the chord table ---------------------------------------------------------

namespace {

int findSymbol(const ChordTable& table, std::string_view symbol) {
    for (int i = 0; i < table.size(); ++i)
        if (table.Symbols[i] == symbol) return i;
    return -1;
}

int firstFree(const ChordTable& table) {
    for (int i = 0; i < table.size(); ++i)
        if (table.isFree(i)) return i;
    return -1;
}

}  // namespace

FoundChord FindOrAddChord(SongDocument& doc, std::string_view symbol, std::string_view fingering,
                          std::string_view typeCode) {
    ChordTable& table = doc.Chords;
    const int existing = findSymbol(table, symbol);
    if (existing >= 0) return {existing, false};
    int chord = firstFree(table);
    if (chord < 0) {
        table.append(std::string(symbol), std::string(typeCode), std::string(fingering));
        chord = table.size() - 1;
    } else {
        table.Symbols[chord] = symbol;
        table.TypeCodes[chord] = typeCode;
        table.Fingerings[chord] = fingering;
    }
    doc.Modified = true;
    return {chord, true};
}

int FindSameChord(const SongDocument& doc, std::string_view baseSymbol, std::string_view fingering,
                  const CopyPanelChord* copyPanel) {
    const ChordTable& table = doc.Chords;
    if (copyPanel && withoutVariantTag(copyPanel->symbol) == baseSymbol &&
        copyPanel->fingering == fingering)
        return table.size() + 1;
    for (int i = table.size() - 1; i >= 0; --i)
        if (!table.isFree(i) && withoutVariantTag(table.Symbols[i]) == baseSymbol &&
            table.Fingerings[i] == fingering)
            return i + 1;
    return 0;
}

std::string MakeUniqueSymbol(const SongDocument& doc, int position, std::string_view symbol,
                             const CopyPanelChord* copyPanel) {
    const ChordTable& table = doc.Chords;
    if (position >= 1 && position <= table.size()) return table.Symbols[position - 1];
    if (position == table.size() + 1 && copyPanel) return copyPanel->symbol;
    const std::string base(withoutVariantTag(symbol));
    for (int n = 1;; ++n) {
        std::string candidate = base + variantTag(n);
        const bool taken =
            findSymbol(table, candidate) >= 0 || (copyPanel && copyPanel->symbol == candidate);
        if (!taken) return candidate;
    }
}

bool isChordUsed(const SongDocument& doc, int chord) {
    for (int i = 0; i < doc.lineCount(); ++i) {
        if (!isChordKind(doc.LineKinds[i])) continue;
        for (const PlacedChord& placed : decodeChordLine(doc.Lines[i]))
            if (placed.chord == chord) return true;
    }
    return false;
}

bool FreeChordIfUnused(SongDocument& doc, int chord) {
    if (chord < 0 || chord >= doc.Chords.size() || doc.Chords.isFree(chord)) return false;
    if (isChordUsed(doc, chord)) return false;
    doc.Chords.Symbols[chord] = kFreeSymbol;
    doc.Chords.Fingerings[chord] = kNoFingering;
    doc.Modified = true;
    return true;
}

void ReplaceChordEverywhere(SongDocument& doc, int chord, std::string_view symbol,
                            std::string_view fingering, std::string_view typeCode) {
    ChordTable& table = doc.Chords;
    if (chord < 0 || chord >= table.size()) return;
    if (withoutVariantTag(symbol) != withoutVariantTag(table.Symbols[chord])) {
        table.Symbols[chord] = MakeUniqueSymbol(doc, 0, symbol);
        table.TypeCodes[chord] = typeCode;
    }
    table.Fingerings[chord] = fingering;
    doc.Modified = true;
}

}  // namespace trovale
