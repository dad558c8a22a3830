#pragma once
// A clock moved by hand and a MIDI system that records what it is sent, and when.

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sound/agenda.h"
#include "sound/midi_device.h"

namespace trovale::testing {

class AgendaManual : public Agenda {
  public:
    void depois(Duracao atraso, std::function<void()> tarefa) override {
        tarefas_.emplace(agora_ + atraso, std::move(tarefa));
    }
    Instante agora() const override { return agora_; }
    Duracao decorrido() const { return agora_ - inicio_; }

    // Moves the clock on, running on the way every task that falls due, each at its time.
    void avancar(Duracao tempo) {
        const Instante fim = agora_ + tempo;
        while (!tarefas_.empty() && tarefas_.begin()->first <= fim) {
            auto proxima = tarefas_.begin();
            agora_ = proxima->first;
            std::function<void()> tarefa = std::move(proxima->second);
            tarefas_.erase(proxima);
            tarefa();
        }
        agora_ = fim;
    }

  private:
    Instante inicio_ = Instante{} + std::chrono::hours(1);
    Instante agora_ = inicio_;
    std::multimap<Instante, std::function<void()>> tarefas_;
};

struct Mensagem {
    int status = 0, dado1 = 0, dado2 = 0;
    Duracao quando{};
    bool operator==(const Mensagem&) const = default;
};

// What happened to the devices, in order.
struct Registro {
    std::vector<Mensagem> mensagens;
    std::vector<int> aberturas;  // device identifiers
    int fechamentos = 0;

    std::vector<Mensagem> com(int status) const {
        std::vector<Mensagem> escolhidas;
        for (const Mensagem& m : mensagens)
            if (m.status == status) escolhidas.push_back(m);
        return escolhidas;
    }
};

class SistemaGravado : public SistemaMidi {
  public:
    SistemaGravado(const AgendaManual& relogio, std::vector<std::string> nomes = {})
        : relogio_(relogio), nomes_(std::move(nomes)) {}

    Registro registro;
    bool abre = true;

    std::string nomeSaidaPadrao() const override { return "Saída padrão"; }
    std::vector<std::string> dispositivos() override { return nomes_; }
    std::unique_ptr<PortaMidi> abrir(int id) override {
        registro.aberturas.push_back(id);
        if (!abre) return nullptr;
        return std::make_unique<Porta>(*this);
    }

  private:
    class Porta : public PortaMidi {
      public:
        explicit Porta(SistemaGravado& sistema) : sistema_(sistema) {}
        ~Porta() override { ++sistema_.registro.fechamentos; }
        void enviar(std::uint8_t status, std::uint8_t dado1, std::uint8_t dado2) override {
            sistema_.registro.mensagens.push_back(
                {status, dado1, dado2, sistema_.relogio_.decorrido()});
        }

      private:
        SistemaGravado& sistema_;
    };

    const AgendaManual& relogio_;
    std::vector<std::string> nomes_;
};

}  // namespace trovale::testing
