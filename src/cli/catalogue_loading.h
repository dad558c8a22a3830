#pragma once
// Loading the catalogue for trovale-cli: read-only, problems reported on a stream.

#include <filesystem>
#include <ostream>

#include "catalogue/catalogue.h"

namespace trovale::cli {

struct CatalogoCarregado {
    Catalogo catalogo;
    bool tiposOk = false;       // at least one chord type was read
    bool digitacoesOk = false;  // at least one fingering was kept
};

// Reads ACORDES.TIP and POSICOES.DIG from the folder, reporting every problem to `erros` in
// the program's own words. Never renames or deletes anything: a save interrupted after it
// was complete is read from its ".NEW" file, as the program would commit it at start-up.
CatalogoCarregado carregarCatalogo(const std::filesystem::path& pasta, std::ostream& erros);
// Only ACORDES.TIP, for commands that name chords but never look up a fingering: reading and
// checking every fingering would be most of their work.
CatalogoCarregado carregarTiposDoCatalogo(const std::filesystem::path& pasta, std::ostream& erros);

}  // namespace trovale::cli
