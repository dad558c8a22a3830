#pragma once
// What a PDF of a song says about it besides its pages.

#include <string>

#include "document/song_document.h"

namespace trovale {

struct MetadadosPdf {
    std::string titulo;  // UTF-8
    std::string autor;
};

// The title line and the first author line of a song, for the PDF's information.
MetadadosPdf metadadosDaCancao(const SongDocument& doc);

}  // namespace trovale
