#pragma once
// A Dialogs that says nothing and answers "Não", for benchmarks and fuzzing.

#include "base/dialogs.h"

namespace trovale::testing {

class SilentDialogs : public Dialogs {
  public:
    void aviso(const std::string&) override {}
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Nao;
    }
};

}  // namespace trovale::testing
