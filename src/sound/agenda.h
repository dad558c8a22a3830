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

// The time of an agenda that waits in a thread of its own. The waiting goes through the
// clock, so that a clock moved by hand wakes the thread as it moves. One clock serves one
// waiting thread.
class Relogio {
  public:
    virtual ~Relogio() = default;
    virtual Instante agora() const = 0;
    // Blocks until the clock reaches `quando` (Instante::max(): never) or until
    // interromperEspera(), even one that came before this call started.
    virtual void esperarAte(Instante quando) = 0;
    virtual void interromperEspera() = 0;
};

}  // namespace trovale
