#pragma once
// The songs of a songbook: each read and laid out once, then ordered for the book.

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "document/song_document.h"
#include "render/song_sheet.h"
#include "render/songbook.h"

namespace trovale {

struct MusicaDoCaderno {
    std::filesystem::path arquivo;
    std::string titulo;  // UTF-8; the file's name when the song has no title
    std::string autor;
    // On the heap: the measure refers to the document's template.
    std::unique_ptr<SongDocument> doc;
    FolhaSemImpressora disposta;
};

// The song read and laid out on the no-printer A4 page, or the loader's message. `aberta`,
// when given, is the song as its window holds it, taken instead of the file.
std::variant<MusicaDoCaderno, MusicaRecusada> lerMusica(const std::filesystem::path& arquivo,
                                                        const RecursosCaderno& recursos,
                                                        const SongDocument* aberta = nullptr);

// The order of titles in the book: by title with the Brazilian collation, ignoring case, an
// accented first letter counted as its plain letter; equal titles keep their order.
std::vector<std::size_t> ordemPorTitulo(const std::vector<std::string>& titulos);

}  // namespace trovale
