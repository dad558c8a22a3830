#include "catalogue/catalogue_commands.h"

#include "catalogue/catalogue_save.h"

namespace trovale {

std::string mensagemCopia(const std::string& nomeBase) {
    if (nomeBase.empty())
        return "Erro ao criar o subdiretório \"CtlgBackUp\", ou as cópias de segurança dos "
               "arquivo do catálogo de acordes e digitações.";
    return "Operação concluida com sucesso. O par anterior de arquivos do catálogo foi "
           "duplicado no subdiretório \"CtlgBackUp\", com o nome base " +
           nomeBase + " e suas respectivas extensões originais (DIG e TIP).";
}

namespace {

using Gravacao = bool (*)(const ArquivosCatalogo&, Catalogo&, Dialogs&);

// A failed backup does not stop the save. A failed save has shown its own message and
// ends the command, so "concluida com sucesso" is never said of it.
void copiarEGravar(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                   const RelogioDias& relogio, Gravacao gravar) {
    const std::string nomeBase = CopiarCatalogo(arquivos, relogio);
    if (gravar(arquivos, catalogo, dialogs)) dialogs.aviso(mensagemCopia(nomeBase));
}

}  // namespace

void comandoGravarTipos(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                        const RelogioDias& relogio) {
    copiarEGravar(arquivos, catalogo, dialogs, relogio, GravarTipos);
}

void comandoGravarPosicoes(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                           const RelogioDias& relogio) {
    copiarEGravar(arquivos, catalogo, dialogs, relogio, GravarDigitacoes);
}

void comandoGravarJunto(const ArquivosCatalogo& arquivos, Catalogo& catalogo, Dialogs& dialogs,
                        const RelogioDias& relogio) {
    copiarEGravar(arquivos, catalogo, dialogs, relogio, GravarTiposEDigitacoes);
}

}  // namespace trovale
