// The command line's agenda: tasks at their time and in the order they fall due, on a clock
// the test moves, and none after the agenda is gone.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <utility>
#include <vector>

#include "sound/thread_agenda.h"
#include "sound_doubles.h"

namespace trovale {
namespace {

using namespace std::chrono_literals;
using testing::RelogioManual;
using Feitas = std::vector<std::pair<int, Duracao>>;  // task, and the clock when it ran

TEST(ThreadAgenda, RunsTasksWhenDueAndDropsThoseLeft) {
    RelogioManual relogio;
    Feitas feitas;
    bool tardia = false;
    {
        AgendaEmThread agenda(relogio);
        // Idle first, so that each new task has to wake the thread.
        relogio.aguardarThreadParada();
        auto anotar = [&](int tarefa) {
            return [&, tarefa] { feitas.emplace_back(tarefa, relogio.decorrido()); };
        };
        agenda.depois(30ms, anotar(3));
        agenda.depois(10ms, [&] {
            // A task may schedule the next one, counted from when it runs.
            agenda.depois(5ms, anotar(2));
            feitas.emplace_back(1, relogio.decorrido());
        });
        agenda.depois(30ms, anotar(4));
        agenda.depois(10s, [&] { tardia = true; });
        relogio.aguardarThreadParada();
        relogio.avancar(9ms);
        relogio.aguardarThreadParada();
        EXPECT_EQ(feitas, Feitas{});
        relogio.avancar(1ms);
        relogio.aguardarThreadParada();
        EXPECT_EQ(feitas, (Feitas{{1, 10ms}}));
        relogio.avancar(20ms);
        relogio.aguardarThreadParada();
    }
    // 2 fell due at 15 ms and goes first; 3 and 4, due together, in the order they came.
    EXPECT_EQ(feitas, (Feitas{{1, 10ms}, {2, 30ms}, {3, 30ms}, {4, 30ms}}));
    EXPECT_FALSE(tardia);
}

// On the steady clock: a task due now runs even while the thread waits for a later one.
TEST(ThreadAgenda, OnTheSystemClock) {
    std::promise<void> feito;
    std::atomic<bool> tardia{false};
    {
        AgendaEmThread agenda;
        agenda.depois(1h, [&] { tardia = true; });
        agenda.depois(0ms, [&] { feito.set_value(); });
        feito.get_future().wait();
    }
    EXPECT_FALSE(tardia);
}

}  // namespace
}  // namespace trovale
