#include "ui/main_window/menu_rules.h"

namespace trovale {

EstadoMenu regrasMenu(const SituacaoMenu& situacao) {
    const bool comDocumento = situacao.documentos > 0;
    EstadoMenu estado;
    estado.fechar = estado.salvar = estado.salvarComo = estado.exportar = comDocumento;
    estado.modelo = estado.configurar = estado.texto = estado.transpor = comDocumento;
    estado.imprimir = comDocumento && situacao.impressoras != 0;
    estado.janela = situacao.documentos >= 2;
    // A pending joint save means neither file may be written without the other.
    estado.gravarTipos = situacao.tiposAlterados && !situacao.gravarJuntos;
    estado.gravarPosicoes = situacao.digitacoesAlteradas && !situacao.gravarJuntos;
    estado.gravarJunto = situacao.tiposAlterados && situacao.digitacoesAlteradas;
    estado.legendaSelect = comDocumento ? QStringLiteral("&Escolher acorde e digitação")
                                        : QStringLiteral("&Ver acordes e digitações");
    estado.barrasVisivel = comDocumento;
    return estado;
}

}  // namespace trovale
