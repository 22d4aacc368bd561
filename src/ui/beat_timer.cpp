#include "beat_timer.h"

#include <algorithm>

namespace zorvel::ui {

qint64 NextBeat(qint64 nowMs, qint64 lastBeat, int intervalMs) {
    return std::max(nowMs / intervalMs + 1, lastBeat + 1);
}

BeatTimer::BeatTimer(int intervalMs, QObject* parent) : QObject(parent), intervalMs_(intervalMs) {
    beatStart_.start();
    // Each tick is set afresh for its own beat, precisely, so that the ticks do not drift off it.
    next_.setSingleShot(true);
    next_.setTimerType(Qt::PreciseTimer);
    connect(&next_, &QTimer::timeout, this, &BeatTimer::Tick);
}

void BeatTimer::start() {
    started_ = true;
    Follow();
}

void BeatTimer::stop() {
    started_ = false;
    Follow();
}

void BeatTimer::SetWanted(bool wanted) {
    wanted_ = wanted;
    Follow();
}

void BeatTimer::Follow() {
    if (!started_ || !wanted_) {
        next_.stop();
        return;
    }
    if (next_.isActive()) return;
    const qint64 now = beatStart_.elapsed();
    scheduledBeat_ = NextBeat(now, lastBeat_, intervalMs_);
    next_.start(static_cast<int>(scheduledBeat_ * intervalMs_ - now));
}

void BeatTimer::Tick() {
    lastBeat_ = scheduledBeat_;
    emit timeout();
    Follow();
}

}  // namespace zorvel::ui
