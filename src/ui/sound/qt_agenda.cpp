#include "ui/sound/qt_agenda.h"

#include <QThread>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace trovale {

void AgendaQt::depois(Duracao atraso, std::function<void()> tarefa) {
    // Rounded up: a task never runs before its time. Precise timers never fire early.
    const auto ms =
        std::max(std::chrono::ceil<std::chrono::milliseconds>(atraso), std::chrono::milliseconds(0));
    auto agendar = [this, ms, tarefa = std::move(tarefa)]() mutable {
        QTimer::singleShot(ms, Qt::PreciseTimer, &contexto_, std::move(tarefa));
    };
    if (QThread::currentThread() == contexto_.thread()) {
        agendar();
    } else {
        // A thread without an event loop cannot hold a timer.
        QMetaObject::invokeMethod(&contexto_, std::move(agendar), Qt::QueuedConnection);
    }
}

Instante AgendaQt::agora() const {
    return std::chrono::steady_clock::now();
}

}  // namespace trovale
