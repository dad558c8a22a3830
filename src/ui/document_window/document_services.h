#pragma once
// What a document window works with besides its song; the program owns all of it.

#include <QString>
#include <functional>

#include "catalogue/type_catalogue.h"
#include "render/appearance.h"
#include "settings/page_layout.h"
#include "settings/template.h"

class QAction;

namespace trovale {

class TImageForm;
class Dialogs;

// The main menu items the tool panel's buttons run.
struct ItensFerramentas {
    QAction* novo = nullptr;
    QAction* abrir = nullptr;
    QAction* salvar = nullptr;
    QAction* modelo = nullptr;
    QAction* configurar = nullptr;
    QAction* imprimir = nullptr;
    QAction* texto = nullptr;
    QAction* acorde = nullptr;
    QAction* transpor = nullptr;
};

struct ServicosDocumento {
    const CatalogoTipos& tipos;  // chord names are drawn from their elements
    const Aparencia& aparencia;  // diagrams
    const Modelo& modeloPadrao;  // MODELO.INI: new songs, and the newer fonts of old files
    const PageLayout& layoutPadrao;
    Dialogs& dialogs;
    // Physical page height, in millimetres, of the printer's paper in an orientation.
    std::function<double(int orientacao)> alturaPaginaMm;
    // "Salvar como" for a window: true when the song was saved under a new name.
    std::function<bool(TImageForm&)> salvarComo;
    ItensFerramentas itens;
};

}  // namespace trovale
