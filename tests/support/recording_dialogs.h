#pragma once
// A Dialogs that records every message and question and answers from a script.

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "base/dialogs.h"

namespace trovale::testing {

class RecordingDialogs : public Dialogs {
  public:
    std::vector<std::string> avisos;
    std::vector<std::pair<int, std::string>> perguntas;
    std::deque<Resposta> respostas;  // answered in order; Nao when empty
    std::vector<std::pair<std::string, std::string>> fechamentos;  // title line, caption

    void aviso(const std::string& texto) override { avisos.push_back(texto); }
    Resposta pergunta(int tipo, const std::string& argumento) override {
        perguntas.emplace_back(tipo, argumento);
        return proxima();
    }
    Resposta confirmarFechamento(const std::string& titulo, const std::string& caption) override {
        fechamentos.emplace_back(titulo, caption);
        return proxima();
    }

  private:
    Resposta proxima() {
        if (respostas.empty()) return Resposta::Nao;
        Resposta r = respostas.front();
        respostas.pop_front();
        return r;
    }
};

}  // namespace trovale::testing
