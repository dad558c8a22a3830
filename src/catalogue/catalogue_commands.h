#pragma once
// The three save commands of the "Acordes" menu: backup, save, then say where the backup is.

#include <string>

#include "catalogue/catalogue_backup.h"
#include "catalogue/catalogue_files.h"

namespace trovale {

// What the user is told about the backup: its base name, or that it failed (empty name).
std::string mensagemCopia(const std::string& nomeBase);

// "Salvar &tipos atualizados"
void comandoGravarTipos(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                        const RelogioDias& relogio);
// "Salvar di&gitações atuais"
void comandoGravarPosicoes(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                           const RelogioDias& relogio);
// "&Salvar atualizações acima"
void comandoGravarJunto(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                        const RelogioDias& relogio);

}  // namespace trovale
