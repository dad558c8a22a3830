// The list of chord diagrams at the end of the sheet: every chord of the song that has a
// fingering, once, by key ("Tom") or in order of first appearance ("Aparição").
#include <algorithm>
#include <set>
#include <string_view>

#include "document/sheet.h"
#include "document/sheet_flow.h"

namespace trovale {

using namespace sheet_internal;

namespace {

constexpr int kOrderByKey = 1;

unsigned char lowerAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// Stored symbols sort by their bytes without regard to letter case: the accidental codes
// b < f < s then give the order of the roots.
bool beforeIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return lowerAscii(x) < lowerAscii(y);
    });
}

bool hasFingering(const ChordTable& table, int chord) {
    if (chord < 0 || chord >= table.size() || table.isFree(chord)) return false;
    return chord < static_cast<int>(table.Fingerings.size()) &&
           table.Fingerings[chord] != kNoFingering;
}

struct Collected {
    std::vector<int> chords;
    std::set<std::string_view> symbols;
};

void collectFromRow(const SheetRow& row, const ChordTable& table, Collected& collected) {
    if (row.Kind != kChordLine) return;
    for (const PlacedChord& placed : decodeChordLine(row.Text)) {
        if (!hasFingering(table, placed.chord)) continue;
        if (collected.symbols.insert(table.Symbols[placed.chord]).second)
            collected.chords.push_back(placed.chord);
    }
}

// The song's chord rows in page, column and row order, each row's chords left to right.
std::vector<int> collectChords(const Sheet& sheet, const ChordTable& table) {
    Collected collected;
    std::array<std::size_t, kMaxColunas> next{};
    for (int page = 1; page <= sheet.SongEnd.page; ++page) {
        for (int c = 0; c < kMaxColunas; ++c) {
            const std::vector<SheetRow>& rows = sheet.Columns[c];
            const std::size_t songRows =
                std::min(rows.size(), static_cast<std::size_t>(std::max(sheet.SongRowCount[c], 0)));
            for (; next[c] < songRows && rows[next[c]].Page <= page; ++next[c])
                collectFromRow(rows[next[c]], table, collected);
        }
    }
    return collected.chords;
}

}  // namespace

namespace sheet_internal {

void appendDiagramList(Sheet& sheet, const SongDocument& doc, SheetFlow& state) {
    const Modelo& modelo = doc.Template;
    // The list belongs to "Letra cifrada": lyrics only draws no chord, and with diagrams
    // between the lines its rows could not be told from the song's own.
    if (modelo.Presentation != 1 || modelo.DiagramListOrder == 0) return;
    std::vector<int> chords = collectChords(sheet, doc.Chords);
    if (modelo.DiagramListOrder == kOrderByKey) {
        std::stable_sort(chords.begin(), chords.end(), [&](int a, int b) {
            return beforeIgnoringCase(doc.Chords.Symbols[a], doc.Chords.Symbols[b]);
        });
    }

    PageFlow flow(sheet, state);
    const int height = sheet.RowHeight[kDiagramChordLine];
    for (std::size_t next = 0; next < chords.size();) {
        // The row's width is known once the flow has chosen its column.
        const int column = flow.makeRoom(height, 0, false);
        const int perRow = diagramsPerListRow(sheet.Diagram, sheet.ColumnTextWidth[column]);
        std::vector<PlacedChord> row;
        for (int k = 1; k <= perRow && next < chords.size(); ++k)
            row.push_back({k, chords[next++]});
        SheetRow listRow;
        listRow.Text = encodeChordLine(std::move(row));
        listRow.Kind = kDiagramChordLine;
        listRow.Height = height;
        flow.append(std::move(listRow));
    }
}

}  // namespace sheet_internal

}  // namespace trovale
