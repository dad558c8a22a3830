// The command line's agenda: tasks in the order they fall due, none after it is gone.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>
#include <vector>

#include "sound/thread_agenda.h"

namespace trovale {
namespace {

using namespace std::chrono_literals;

TEST(ThreadAgenda, RunsTasksWhenDueAndDropsThoseLeft) {
    std::mutex mutex;
    std::vector<int> ordem;
    std::promise<void> feito;
    std::atomic<bool> tardia{false};
    {
        AgendaEmThread agenda;
        const Instante inicio = agenda.agora();
        auto anotar = [&](int n) {
            std::lock_guard trava(mutex);
            ordem.push_back(n);
        };
        agenda.depois(30ms, [&] {
            anotar(3);
            EXPECT_GE(agenda.agora() - inicio, 30ms);
            feito.set_value();
        });
        agenda.depois(10ms, [&] {
            anotar(1);
            // A task may schedule the next one.
            agenda.depois(5ms, [&] { anotar(2); });
        });
        agenda.depois(10s, [&] { tardia = true; });
        feito.get_future().wait();
    }
    EXPECT_EQ(ordem, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(tardia);
}

}  // namespace
}  // namespace trovale
