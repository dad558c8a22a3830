#pragma once
// The windows' agenda: tasks run on the event loop of the thread that made it, so the
// chords' timers never race the widgets.

#include <QObject>

#include "sound/agenda.h"

namespace trovale {

class AgendaQt : public Agenda {
  public:
    AgendaQt() = default;
    // Tasks still waiting are dropped with it.
    ~AgendaQt() override = default;
    AgendaQt(const AgendaQt&) = delete;
    AgendaQt& operator=(const AgendaQt&) = delete;

    // May be called from any thread; the task still runs on the agenda's own.
    void depois(Duracao atraso, std::function<void()> tarefa) override;
    Instante agora() const override;

  private:
    QObject contexto_;
};

}  // namespace trovale
