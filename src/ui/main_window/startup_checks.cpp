#include "ui/main_window/startup_checks.h"

namespace trovale {

std::string mensagemSemImpressora() {
    return "Nenhuma impressora instalada. Funções de impressão bloqueadas. Papel A4 assumido.";
}

bool verificarCatalogo(const Catalogo& catalogo, Dialogs& dialogs) {
    if (catalogo.tipos.NumTipos == 0) {
        dialogs.aviso(
            "Arquivo ACORDES.TIP não se encontra no diretório apropriado ou está danificado.");
        return false;
    }
    if (catalogo.digitacoes.NumDigitacoes() == 0) {
        dialogs.aviso(
            "Arquivo POSICOES.DIG não se encontra no diretório apropriado ou está danificado.");
        return false;
    }
    return true;
}

std::string mensagemInconsistencias(int ocorrencias) {
    return "O arquivo POSICOES.DIG está danificado ou apresenta inconsistência com os tipos de "
           "acorde definidos em ACORDES.TIP (" +
           std::to_string(ocorrencias) + " ocorrências).";
}

}  // namespace trovale
