#pragma once
// Dialogs for trovale-cli: messages go to the error stream; no question is ever asked.

#include <filesystem>
#include <ostream>
#include <string>

#include "base/dialogs.h"

namespace trovale::cli {

class AvisosNoTerminal : public Dialogs {
  public:
    explicit AvisosNoTerminal(std::ostream& erros) : erros_(erros) {}
    // Messages about this file name it first, as "song.txt: message".
    AvisosNoTerminal(std::ostream& erros, const std::filesystem::path& arquivo)
        : erros_(erros), prefixo_(arquivo.string() + ": ") {}

    void aviso(const std::string& texto) override { erros_ << prefixo_ << texto << '\n'; }
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Cancelar;
    }

  private:
    std::ostream& erros_;
    std::string prefixo_;
};

}  // namespace trovale::cli
