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
                // A wrapped line is one song line, whole in the document, however many rows.
                if (row.Wrapped && row.Piece > 0) continue;
                const bool whole = !row.Wrapped || row.Line < 0 || row.Line >= doc.lineCount();
                lines.push_back(whole ? row.Text : doc.Lines[static_cast<std::size_t>(row.Line)]);
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
