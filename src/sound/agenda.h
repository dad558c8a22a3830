#pragma once
// When later work runs: the windows use their event loop, the command line a thread, the
// tests a clock they move by hand. The strum never waits in the caller's thread.

#include <chrono>
#include <functional>

namespace trovale {

using Instante = std::chrono::steady_clock::time_point;
using Duracao = std::chrono::steady_clock::duration;

class Agenda {
  public:
    virtual ~Agenda() = default;
    // Runs `tarefa` once, no sooner than `atraso` from now. Tasks of one agenda never run
    // at the same time as each other.
    virtual void depois(Duracao atraso, std::function<void()> tarefa) = 0;
    virtual Instante agora() const = 0;
};

}  // namespace trovale
