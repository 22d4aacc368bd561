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
    const qint64 length = static_cast<qint64>(ms) * 1'000'000;
    constexpr qint64 kMillisecond = 1'000'000;
    constexpr int kQuitting = -1;
    while (clock.nsecsElapsed() <= length) {
        const qint64 remaining = (length - clock.nsecsElapsed()) / kMillisecond + 1;
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(remaining), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        // A loop refuses to run once the application is leaving; don't spin until the deadline.
        if (loop.exec() == kQuitting) return;
    }
}

}  // namespace zorvel::ui
