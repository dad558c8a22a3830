#pragma once
// An agenda with a thread of its own, for programs without an event loop.

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "sound/agenda.h"

namespace trovale {

// The steady clock, with its waits.
class RelogioDoSistema : public Relogio {
  public:
    Instante agora() const override;
    void esperarAte(Instante quando) override;
    void interromperEspera() override;

  private:
    std::mutex mutex_;
    std::condition_variable aviso_;
    bool interrompido_ = false;
};

class AgendaEmThread : public Agenda {
  public:
    // On the steady clock.
    AgendaEmThread();
    // On `relogio`, which must outlive the agenda and serve no other.
    explicit AgendaEmThread(Relogio& relogio);
    // Tasks still waiting are dropped; a running one is finished first.
    ~AgendaEmThread() override;
    AgendaEmThread(const AgendaEmThread&) = delete;
    AgendaEmThread& operator=(const AgendaEmThread&) = delete;

    void depois(Duracao atraso, std::function<void()> tarefa) override;
    Instante agora() const override;

  private:
    void executar();

    std::unique_ptr<Relogio> proprio_;
    Relogio& relogio_;
    std::mutex mutex_;
    // By due time, then by order of arrival.
    std::multimap<Instante, std::function<void()>> tarefas_;
    bool parar_ = false;
    std::thread thread_;
};

}  // namespace trovale
