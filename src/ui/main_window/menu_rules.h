#pragma once
// Which items of the main menu can be used, from what is open and what changed.

#include <QString>

namespace trovale {

struct SituacaoMenu {
    int documentos = 0;    // open document windows
    int impressoras = -1;  // PrinterCount: -1 until counted
    bool tiposAlterados = false;
    bool digitacoesAlteradas = false;
    bool gravarJuntos = false;
};

struct EstadoMenu {
    // "Documento"
    bool fechar = false;
    bool salvar = false;
    bool salvarComo = false;
    bool exportar = false;
    bool modelo = false;
    bool configurar = false;
    bool imprimir = false;
    bool janela = false;
    // "Editar"
    bool texto = false;
    bool transpor = false;
    // "Acordes"
    bool gravarTipos = false;
    bool gravarPosicoes = false;
    bool gravarJunto = false;
    QString legendaSelect;
    // "Opções": the document windows' own switches are only there while one is open
    bool barrasVisivel = false;
};

EstadoMenu regrasMenu(const SituacaoMenu& situacao);

}  // namespace trovale
