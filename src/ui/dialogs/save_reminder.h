#pragma once
// The reminder that changes to the catalogue must still be saved: once per run, shared by
// every window that changes chord types or fingerings.

#include "base/dialogs.h"

namespace trovale {

class LembreteGravacao {
  public:
    // Shows the reminder the first time it is asked for in this run.
    void lembrar(Dialogs& dialogs) {
        if (mostrado_) return;
        mostrado_ = true;
        dialogs.aviso(
            "Todas as alterações feitas nos acordes, mesmo confirmadas, precisam ser gravadas "
            "posteriormente (ver \"Acordes\" no menu principal). A urgência ou frequência para "
            "isto depende do volume de modificações e fica a seu critério. Esta mensagem não "
            "será repetida.");
    }

  private:
    bool mostrado_ = false;
};

}  // namespace trovale
