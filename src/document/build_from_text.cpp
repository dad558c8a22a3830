// Kept apart from the rest of the document: it needs the text conversion.
#include "document/song_document.h"

namespace trovale {

void BuildFromText(SongDocument& doc, const EditorText& text) {
    doc.Chords = text.chords;
    doc.Lines = TextToSong(text);
    const std::uint8_t chordKind = doc.Template.Presentation == 2 ? kDiagramChordLine : kChordLine;
    doc.LineKinds.assign(doc.Lines.size(), kLyricLine);
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        const bool chordLine = i < text.chordLines.size() && text.chordLines[i];
        if (chordLine)
            doc.LineKinds[i] = chordKind;
        else if (i < text.kinds.size())
            doc.LineKinds[i] = text.kinds[i];
    }
    doc.Modified = true;
}

}  // namespace trovale
