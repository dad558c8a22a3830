#include "sound/thread_agenda.h"

namespace trovale {

AgendaEmThread::AgendaEmThread() : thread_([this] { executar(); }) {}

AgendaEmThread::~AgendaEmThread() {
    {
        std::lock_guard trava(mutex_);
        parar_ = true;
    }
    aviso_.notify_all();
    thread_.join();
}

void AgendaEmThread::depois(Duracao atraso, std::function<void()> tarefa) {
    {
        std::lock_guard trava(mutex_);
        tarefas_.emplace(agora() + atraso, std::move(tarefa));
    }
    aviso_.notify_all();
}

Instante AgendaEmThread::agora() const {
    return std::chrono::steady_clock::now();
}

void AgendaEmThread::executar() {
    std::unique_lock trava(mutex_);
    while (!parar_) {
        if (tarefas_.empty()) {
            aviso_.wait(trava);
            continue;
        }
        const Instante quando = tarefas_.begin()->first;
        if (agora() < quando) {
            aviso_.wait_until(trava, quando);
            continue;
        }
        std::function<void()> tarefa = std::move(tarefas_.begin()->second);
        tarefas_.erase(tarefas_.begin());
        // Without the lock, so that the task may schedule the next one.
        trava.unlock();
        tarefa();
        trava.lock();
    }
}

}  // namespace trovale
