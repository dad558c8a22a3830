#pragma once
// A song read from a plain-text or ChordPro file, built as the text editor's confirmation
// builds it: the default template and page layout, fingerings the file defines kept and the
// others chosen from the catalogue. Every command that reads a song takes these files too.

#include <filesystem>
#include <optional>

#include "cli/command.h"
#include "catalogue/catalogue.h"
#include "document/song_document.h"

namespace trovale::cli {

// ".txt" or a ChordPro extension (.cho, .crd, .chopro, .chordpro, .pro), in any case.
bool ehCancaoEmTexto(const std::filesystem::path& arquivo);

// Nothing, after the message on the error stream, when the file cannot be read or holds no
// text; `status` then says which exit status the command gives. Without `catalogo`, the
// catalogue is read from the command's folder.
std::optional<SongDocument> cancaoDoTexto(const std::filesystem::path& entrada,
                                          const Ambiente& ambiente, int& status,
                                          const Catalogo* catalogo = nullptr);

}  // namespace trovale::cli
