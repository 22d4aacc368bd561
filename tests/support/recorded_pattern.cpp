#include "recorded_pattern.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>

#include "pacer.h"
#include "server_proxy.h"

namespace zorvel::test {
namespace {

constexpr int kRate = 8000;

// Raw samples from the sink's monitor, each read stamped with the time it arrived. A sample cannot
// arrive before it was played, so the earliest arrival of the reads around a sample, against their
// count of samples, tells when it was played; taken around each sample, as the server may drop or
// add samples now and then.
class TimedRecorder {
  public:
    TimedRecorder(const QElapsedTimer& clock, const QString& monitor) : clock_(clock) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
            raw_ += process_.readAllStandardOutput();
            const double arrivedMs = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
            reads_.push_back({raw_.size() / 2, arrivedMs - MsOfSample(raw_.size() / 2)});
        });
        process_.setProcessEnvironment(PastTheProxy());
        process_.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), monitor, QStringLiteral("--format=s16le"),
                        QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--channels=1"),
                        QStringLiteral("--latency-msec=5")});
    }
    // Whether the recorder runs and hears the sink: the monitor delivers samples, silent ones
    // too, from the moment it is connected.
    bool Hearing() { return process_.waitForStarted() && process_.waitForReadyRead(5000); }
    Recording Stop() {
        process_.terminate();
        process_.waitForFinished();
        Recording recording{kRate, {}};
        for (qsizetype i = 0; i + 1 < raw_.size(); i += 2)
            recording.samples.push_back(
                static_cast<float>(static_cast<qint16>(static_cast<quint8>(raw_[i]) |
                                                       static_cast<quint8>(raw_[i + 1]) << 8)) /
                32768.0f);
        return recording;
    }
    // When the sound at `ms` into the recording was played, on the clock.
    double PlayedAt(double ms) const {
        constexpr double kAroundMs = 250;
        double offset = 1e12;
        for (const Read& read : reads_) {
            const double endMs = MsOfSample(read.samples);
            if (endMs >= ms && endMs <= ms + kAroundMs) offset = std::min(offset, read.offsetMs);
        }
        return ms + offset;
    }

  private:
    struct Read {
        qsizetype samples;  // in the recording once it arrived
        double offsetMs;    // its arrival less its samples' length
    };
    static double MsOfSample(qsizetype sample) {
        return static_cast<double>(sample) * 1000.0 / kRate;
    }

    const QElapsedTimer& clock_;
    QProcess process_;
    QByteArray raw_;
    std::vector<Read> reads_;
};

}  // namespace

std::optional<std::vector<std::optional<HeardStep>>> RecordPattern(
    const QString& monitor, const std::function<void(sound::Sound)>& play,
    std::span<const PatternStep> pattern, const std::function<bool()>& ready) {
    QElapsedTimer clock;
    clock.start();
    TimedRecorder recorder(clock, monitor);
    if (!recorder.Hearing()) return std::nullopt;
    ui::EventLoopPacer pacer;
    constexpr qint64 kLongestWaitMs = 30'000;
    while (ready && !ready() && clock.elapsed() < kLongestWaitMs) pacer.Pause(10);
    pacer.Pause(500);  // silence before the first sound
    std::vector<double> asked;
    for (const PatternStep& step : pattern) {
        asked.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        play(step.sound);
        pacer.Pause(step.thenMs);
    }
    std::vector<std::optional<HeardStep>> steps(asked.size());
    for (const HeardSound& piece : FindSounds(recorder.Stop())) {
        const double playedMs = recorder.PlayedAt(piece.onsetMs);
        // A sound heard at once may be found up to a resolution before it was asked for.
        const auto after =
            std::upper_bound(asked.begin(), asked.end(), playedMs + kOnsetResolutionMs);
        const std::size_t index = after == asked.begin() ? 0 : after - asked.begin() - 1;
        std::optional<HeardStep>& step = steps[index];
        if (!step) {
            step = HeardStep{piece, 0, playedMs - asked[index], playedMs};
        } else {
            step->sound.endMs = piece.endMs;
            step->sound.cutByNext = piece.cutByNext;
        }
        ++step->pieces;
    }
    return steps;
}

}  // namespace zorvel::test
