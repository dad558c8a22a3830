#pragma once
// Loading a song file for a trovale-cli command, with the program directory's default template.

#include <filesystem>
#include <optional>
#include <string>

#include "cli/command.h"
#include "catalogue/type_catalogue.h"
#include "catalogue/catalogue.h"
#include "document/song_document.h"

namespace trovale::cli {

struct CancaoCarregada {
    SongDocument cancao;
    std::string versao;
};

// Nothing when the file cannot be loaded; the message is on the error stream then. A ".txt" or
// ChordPro file is read as the text editor's confirmation reads it.
// With the catalogue's types, chords whose symbol no longer reads as their stored type are
// read by their symbol. A text song takes `catalogo` when given; else the catalogue is read
// for it (a command reading many songs hands over the one it read).
std::optional<CancaoCarregada> carregarCancao(const std::filesystem::path& arquivo,
                                              const Ambiente& ambiente,
                                              const CatalogoTipos* tipos = nullptr,
                                              const Catalogo* catalogo = nullptr);

}  // namespace trovale::cli
