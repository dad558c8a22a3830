#pragma once
// Writing the catalogue so that a crash at any moment leaves the old files or the new ones.
//
// A file is never overwritten in place: it is written whole as "X.NEW", a marker file then
// vouches for it, and only then does it replace the old file. A new file whose writing
// failed is reported, removed and never committed; the old file stays in use.
// Each function returns false when the save failed (the message has been shown).

#include "catalogue/catalogue_files.h"

namespace trovale {

// ACORDES.NEW, then its commit. While GravarJuntos is set the types cannot go alone: the
// combined save runs instead.
bool GravarTipos(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs);

// POSICOES.NEW, then its commit; the combined save while GravarJuntos is set.
bool GravarDigitacoes(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs);

// Both new files, then CASADA.END, then both commits: new types never stand beside old
// fingerings. Clears both change flags and GravarJuntos.
bool GravarTiposEDigitacoes(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs);

// Reported when a new catalogue file could not be written.
std::string mensagemFalhaGravacao(const FileSystemError& erro);

}  // namespace trovale
