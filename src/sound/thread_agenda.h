#pragma once
// An agenda with a thread of its own, for programs without an event loop.

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "sound/agenda.h"

namespace trovale {

class AgendaEmThread : public Agenda {
  public:
    AgendaEmThread();
    // Tasks still waiting are dropped; a running one is finished first.
    ~AgendaEmThread() override;
    AgendaEmThread(const AgendaEmThread&) = delete;
    AgendaEmThread& operator=(const AgendaEmThread&) = delete;

    void depois(Duracao atraso, std::function<void()> tarefa) override;
    Instante agora() const override;

  private:
    void executar();

    std::mutex mutex_;
    std::condition_variable aviso_;
    // By due time, then by order of arrival.
    std::multimap<Instante, std::function<void()>> tarefas_;
    bool parar_ = false;
    std::thread thread_;
};

}  // namespace trovale
