// The song's lines read back from its laid-out rows, as they are saved.
#include "document/sheet.h"

namespace trovale {

namespace {

// Rows that are the song's own lines; the rest were made by the layout.
bool isSongRow(const SheetRow& row, int presentation) {
    if (row.Kind == kGeneratedLine) return false;
    // Without diagrams between the lines, kind 4 rows are the diagram list.
    if (row.Kind == kDiagramChordLine) return presentation == 2;
    if (isChordKind(row.Kind)) return true;
    return row.Height > 0;
}

}  // namespace

bool GatherFromSheet(SongDocument& doc, const Sheet& sheet) {
    std::vector<std::string> lines;
    std::vector<std::uint8_t> kinds;
    bool beyondVersion1 = false;
    const int presentation = doc.Template.Presentation;
    for (int page = 1; page <= sheet.PageCount; ++page) {
        for (const std::vector<SheetRow>& column : sheet.Columns) {
            for (const SheetRow& row : column) {
                if (row.Page != page || !isSongRow(row, presentation)) continue;
                lines.push_back(row.Text);
                kinds.push_back(row.Kind);
                beyondVersion1 = beyondVersion1 || row.Kind > kGeneratedLine;
            }
        }
    }
    doc.Lines = std::move(lines);
    doc.LineKinds = std::move(kinds);
    return beyondVersion1;
}

}  // namespace trovale
