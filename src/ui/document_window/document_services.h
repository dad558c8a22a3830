#pragma once
// What a document window works with besides its song; the program owns all of it.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "catalogue/type_catalogue.h"
#include "render/appearance.h"
#include "render/printer_metrics.h"
#include "settings/page_layout.h"
#include "settings/template.h"

class QAction;

namespace trovale {

class TImageForm;
class Dialogs;
class SomDeAcordes;

// The main menu items the tool panel's buttons run.
struct ItensFerramentas {
    QAction* novo = nullptr;
    QAction* abrir = nullptr;
    QAction* salvar = nullptr;
    QAction* modelo = nullptr;
    QAction* configurar = nullptr;
    QAction* imprimir = nullptr;
    QAction* pdf = nullptr;
    QAction* texto = nullptr;
    QAction* acorde = nullptr;
    QAction* transpor = nullptr;
};

// A chord of the song handed to the chord selection window, and what comes back.
struct PedidoAcorde {
    std::string raiz;       // root spelling of the chord's symbol, e.g. "C#"
    int tipo = 0;           // its type code
    std::string digitacao;  // "0" or three numbers
    std::string cifra;      // the symbol as shown, without its variant tag
    bool soDigitacao = false;  // a chord of the diagram list: only its fingering may change
};
struct AcordeEscolhido {
    std::string simbolo;  // stored form, without variant tag
    std::string digitacao;
    std::string tipo;      // type code
    bool todas = false;    // "Aplicar a todas as ocorrências"
};

struct ServicosDocumento {
    const CatalogoTipos& tipos;  // chord names are drawn from their elements
    const Aparencia& aparencia;  // diagrams
    const Modelo& modeloPadrao;  // MODELO.INI: new songs, and the newer fonts of old files
    const PageLayout& layoutPadrao;
    Dialogs& dialogs;
    // The printer's page in an orientation (1 = landscape): the paper the sheet is laid out on.
    std::function<PageMetrics(int orientacao)> metricasPagina;
    // "Salvar como" for a window: true when the song was saved under a new name.
    std::function<bool(TImageForm&)> salvarComo;
    ItensFerramentas itens;
    // The chord selection window; nothing when cancelled or not there.
    std::function<std::optional<AcordeEscolhido>(const PedidoAcorde&)> escolherAcorde = {};
    // "Definir significado das linhas": the template window floating beside the song.
    std::function<void(TImageForm&)> definirLinhas = {};
    // The fingering editor: empty for its plain mode, else the fingering to analyse.
    std::function<void(const std::string& digitacao)> analisarDigitacao = {};
    // The program's sound: a chord pressed with the right button is heard.
    SomDeAcordes* som = nullptr;
};

}  // namespace trovale
