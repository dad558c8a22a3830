#pragma once
// Completing or discarding, at start-up, a save that a crash or power failure interrupted.

#include "catalogue/catalogue_files.h"

namespace trovale {

// A combined save that got as far as CASADA.END wrote both new files completely: both are
// marked so that the two steps below commit them together.
void RecuperarGravacaoConjunta(const ArquivosCatalogo& arquivos);

// Before reading ACORDES.TIP: ACORDES.NEW replaces it when TERMINOU.NEW vouches for it, and
// is deleted as incomplete otherwise.
void RecuperarTipos(const ArquivosCatalogo& arquivos);

// Before reading POSICOES.DIG: the same with POSICOES.NEW and ACABOU.NEW.
void RecuperarDigitacoes(const ArquivosCatalogo& arquivos);

}  // namespace trovale
