#include "pacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace zorvel::ui {

void EventLoopPacer::Pause(unsigned ms) {
    QElapsedTimer clock;  // monotonic, so the wait is the same whatever the clock reads
    clock.start();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    constexpr int kQuitting = -1;
    while (clock.elapsed() <= static_cast<qint64>(ms)) {
        const qint64 remaining = static_cast<qint64>(ms) - clock.elapsed() + 1;
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(remaining), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        // A loop refuses to run once the application is leaving; don't spin until the deadline.
        if (loop.exec() == kQuitting) return;
    }
}

}  // namespace zorvel::ui
