#pragma once
// How the core speaks to the user: the windows implement it, tests record it.

#include <string>

namespace trovale {

enum class Resposta { Sim, Nao, Cancelar };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows one message (UTF-8) and waits until it is read.
    virtual void aviso(const std::string& texto) = 0;
    // Asks numbered question 0..8, with a text argument for kinds 5, 6 and 8.
    virtual Resposta pergunta(int tipo, const std::string& argumento = {}) = 0;
    // Closing a changed song: Sim saves first, Nao drops the changes, Cancelar keeps it open.
    // `titulo` is the song's title line, `caption` its file name or "Sem título" (UTF-8).
    virtual Resposta confirmarFechamento(const std::string& titulo, const std::string& caption) = 0;
};

}  // namespace trovale
