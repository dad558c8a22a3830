#pragma once
// Dialogs for trovale-cli: messages go to the error stream; no question is ever asked.

#include <ostream>

#include "base/dialogs.h"

namespace trovale::cli {

class AvisosNoTerminal : public Dialogs {
  public:
    explicit AvisosNoTerminal(std::ostream& erros) : erros_(erros) {}

    void aviso(const std::string& texto) override { erros_ << texto << '\n'; }
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }

  private:
    std::ostream& erros_;
};

}  // namespace trovale::cli
