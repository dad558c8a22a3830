#include "document/song_metadata.h"

#include "base/text_codec.h"

namespace trovale {

MetadadosPdf metadadosDaCancao(const SongDocument& doc) {
    MetadadosPdf meta;
    for (std::size_t i = 0; i < doc.Lines.size() && i < doc.LineKinds.size(); ++i) {
        if (doc.LineKinds[i] == kTitleLine && meta.titulo.empty())
            meta.titulo = utf8DeWindows1252(doc.Lines[i]);
        if (doc.LineKinds[i] == kAuthorLine && meta.autor.empty())
            meta.autor = utf8DeWindows1252(doc.Lines[i]);
    }
    return meta;
}

}  // namespace trovale
