#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace zorvel::ui {

// The beat whose tick comes next, counted from the beat's start (beat 0): the first after `nowMs`,
// and never `lastBeat` again, the beat of the last tick (-1 before any), even when that tick came
// a little early.
qint64 NextBeat(qint64 nowMs, qint64 lastBeat, int intervalMs);

// A timer that ticks on a fixed beat counted from its creation, but only while a tick can do
// something: when nothing is wanted of it, it sleeps instead of waking the program for nothing.
// Once wanted again, its next tick comes on the beat, as if it had been ticking all along.
class BeatTimer final : public QObject {
    Q_OBJECT

  public:
    BeatTimer(int intervalMs, QObject* parent);

    int interval() const { return intervalMs_; }
    // Ticks are delivered while wanted; a stopped timer delivers none until it is started.
    void start();
    void stop();
    void SetWanted(bool wanted);
    // Whether the next tick is on its way.
    bool isActive() const { return next_.isActive(); }

  signals:
    void timeout();

  private:
    void Follow();
    void Tick();

    int intervalMs_;
    QElapsedTimer beatStart_;  // monotonic: the beat holds whatever the clock on the wall reads
    QTimer next_;
    bool started_ = true;
    bool wanted_ = false;
    qint64 scheduledBeat_ = 0;  // the beat the pending tick is for
    qint64 lastBeat_ = -1;
};

}  // namespace zorvel::ui
