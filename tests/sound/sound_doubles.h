#pragma once
// Clocks moved by hand and a MIDI system that records what it is sent, and when.

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
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

// For an agenda with a thread of its own: the thread wakes when the test moves the clock, and
// the test can wait for it to have done all that was due.
class RelogioManual : public Relogio {
  public:
    Instante agora() const override {
        std::lock_guard trava(mutex_);
        return agora_;
    }
    Duracao decorrido() const { return agora() - inicio_; }
    void esperarAte(Instante quando) override {
        std::unique_lock trava(mutex_);
        aviso_.wait(trava, [&] {
            parada_ = !interrompido_ && agora_ < quando;
            if (parada_) paradaAviso_.notify_all();
            return !parada_;
        });
        parada_ = interrompido_ = false;
    }
    void interromperEspera() override {
        {
            std::lock_guard trava(mutex_);
            interrompido_ = true;
            parada_ = false;
        }
        aviso_.notify_all();
    }
    void avancar(Duracao tempo) {
        {
            std::lock_guard trava(mutex_);
            agora_ += tempo;
            parada_ = false;
        }
        aviso_.notify_all();
    }
    // Until the waiting thread, since the last move or interruption, waits again for a later
    // time: everything due by now has been done.
    void aguardarThreadParada() {
        std::unique_lock trava(mutex_);
        paradaAviso_.wait(trava, [&] { return parada_; });
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable aviso_, paradaAviso_;
    const Instante inicio_ = Instante{} + std::chrono::hours(1);
    Instante agora_ = inicio_;
    bool interrompido_ = false;
    bool parada_ = false;
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
    std::optional<FalhaMidi> falha;  // set: no device opens, for this reason

    std::string nomeSaidaPadrao() const override { return "Saída padrão"; }
    std::vector<std::string> dispositivos() override { return nomes_; }
    AberturaMidi abrir(int id) override {
        registro.aberturas.push_back(id);
        if (falha) return {nullptr, *falha};
        return {std::make_unique<Porta>(*this)};
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
