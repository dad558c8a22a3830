#include "sound/thread_agenda.h"

namespace trovale {

Instante RelogioDoSistema::agora() const {
    return std::chrono::steady_clock::now();
}

void RelogioDoSistema::esperarAte(Instante quando) {
    std::unique_lock trava(mutex_);
    auto interrompido = [this] { return interrompido_; };
    // Far times are left to an interruption: not every platform waits until the end of time.
    if (quando == Instante::max()) {
        aviso_.wait(trava, interrompido);
    } else {
        aviso_.wait_until(trava, quando, interrompido);
    }
    interrompido_ = false;
}

void RelogioDoSistema::interromperEspera() {
    {
        std::lock_guard trava(mutex_);
        interrompido_ = true;
    }
    aviso_.notify_all();
}

AgendaEmThread::AgendaEmThread()
    : proprio_(std::make_unique<RelogioDoSistema>()),
      relogio_(*proprio_),
      thread_([this] { executar(); }) {}

AgendaEmThread::AgendaEmThread(Relogio& relogio)
    : relogio_(relogio), thread_([this] { executar(); }) {}

AgendaEmThread::~AgendaEmThread() {
    {
        std::lock_guard trava(mutex_);
        parar_ = true;
    }
    relogio_.interromperEspera();
    thread_.join();
}

void AgendaEmThread::depois(Duracao atraso, std::function<void()> tarefa) {
    {
        std::lock_guard trava(mutex_);
        tarefas_.emplace(relogio_.agora() + atraso, std::move(tarefa));
    }
    // The thread may be waiting for a later task, or for none.
    relogio_.interromperEspera();
}

Instante AgendaEmThread::agora() const {
    return relogio_.agora();
}

void AgendaEmThread::executar() {
    std::unique_lock trava(mutex_);
    while (!parar_) {
        const Instante quando = tarefas_.empty() ? Instante::max() : tarefas_.begin()->first;
        if (relogio_.agora() < quando) {
            // Without the lock, so that new tasks can arrive and interrupt the wait.
            trava.unlock();
            relogio_.esperarAte(quando);
            trava.lock();
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
