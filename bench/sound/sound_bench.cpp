// How soon each sound is heard after it was asked for, and whether it is heard whole: the game's
// pattern of clicks and chimes played through a sound output, recorded from a sound server's sink
// monitor. Prints one row per player: the program's sound module, other modules given on the
// command line (for comparing outputs), and paplay, one process per sound, as a yardstick.
//
//   sound_bench [module.so ...]      sink: ZORVEL_TEST_SINK, else the default one
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "heard_sounds.h"
#include "module_sound_output.h"
#include "pacer.h"
#include "sound_module.h"

using namespace zorvel;

namespace {

constexpr int kRate = 8000;

struct Step {
    const QString& sound;
    unsigned thenMs;
};

// As the recording test plays it: the opening, a move, the computer's chime, its move, and a stone
// placed while the chime still sounds.
const Step kPattern[] = {
    {sound::kStoneSound, 500},     {sound::kStoneSound, 500},  {sound::kStoneSound, 500},
    {sound::kStoneSound, 1000},    {sound::kStoneSound, 500},  {sound::kStoneSound, 500},
    {sound::kComputerSound, 1000}, {sound::kStoneSound, 500},  {sound::kStoneSound, 500},
    {sound::kComputerSound, 250},  {sound::kStoneSound, 1000},
};

// Raw samples from the sink's monitor, each read stamped with the time it arrived. A sample cannot
// arrive before it was played, so the earliest arrival of the reads around a sample, against their
// count of samples, tells when it was played; taken around each sample, as the server may drop or
// add samples now and then.
class TimedRecorder {
  public:
    TimedRecorder(const QElapsedTimer& clock, const QString& sink) : clock_(clock) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] {
            raw_ += process_.readAllStandardOutput();
            const double arrivedMs = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
            reads_.push_back({raw_.size() / 2, arrivedMs - MsOfSample(raw_.size() / 2)});
        });
        process_.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), sink, QStringLiteral("--format=s16le"),
                        QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--channels=1"),
                        QStringLiteral("--latency-msec=5")});
    }
    bool Started() { return process_.waitForStarted(); }
    test::Recording Stop() {
        process_.terminate();
        process_.waitForFinished();
        test::Recording recording{kRate, {}};
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

void Measure(const char* name, const QString& sink,
             const std::function<void(const QString&)>& play) {
    QElapsedTimer clock;
    clock.start();
    TimedRecorder recorder(clock, sink);
    if (!recorder.Started()) {
        std::printf("%-28s parec did not start\n", name);
        return;
    }
    ui::EventLoopPacer pacer;
    pacer.Pause(500);  // the recording under way
    std::vector<double> asked;
    for (const Step& step : kPattern) {
        asked.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        play(step.sound);
        pacer.Pause(step.thenMs);
    }
    const std::vector<test::HeardSound> heard = test::FindSounds(recorder.Stop());

    const auto click = test::ReadMonoWave(sound::kStoneSound.toStdString());
    const auto chime = test::ReadMonoWave(sound::kComputerSound.toStdString());
    const test::HeardSound wholeClick = test::FindSounds(*click).front();
    const test::HeardSound wholeChime = test::FindSounds(*chime).front();
    // Each sound heard belongs to the last one asked for before it; a lost one leaves a gap.
    int whole = 0;
    double sum = 0;
    double worst = 0;
    for (const test::HeardSound& sound : heard) {
        const double playedMs = recorder.PlayedAt(sound.onsetMs);
        const auto after = std::upper_bound(asked.begin(), asked.end(), playedMs);
        const std::size_t step = after == asked.begin() ? 0 : after - asked.begin() - 1;
        const bool isChime = &kPattern[step].sound == &sound::kComputerSound;
        whole += test::IsWhole(sound, isChime ? wholeChime : wholeClick) || sound.cutByNext;
        sum += playedMs - asked[step];
        worst = std::max(worst, playedMs - asked[step]);
    }
    std::printf("%-28s %2zu of %zu heard, %2d whole   onset mean %5.1f ms, worst %5.1f ms\n", name,
                heard.size(), std::size(kPattern), whole,
                heard.empty() ? 0.0 : sum / static_cast<double>(heard.size()), worst);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    const QString sink =
        qEnvironmentVariable("ZORVEL_TEST_SINK", QStringLiteral("@DEFAULT_SINK@")) +
        QStringLiteral(".monitor");
    if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        std::printf("No figures: parec not found (Debian: pulseaudio-utils)\n");
        return 0;
    }
    std::vector<QString> modules{QStringLiteral(ZORVEL_RUNTIME_DIR)};
    for (int i = 1; i < argc; ++i) modules.push_back(QString::fromLocal8Bit(argv[i]));
    for (const QString& module : modules) {
        const QFileInfo file(module);
        const QString folder = file.isDir() ? module : file.absolutePath();
        // Another module is tried under the program's name, in a folder of its own.
        sound::ModuleSoundOutput output(folder, [] { std::printf("  (default sound)\n"); });
        output.Prepare();
        while (output.Preparing()) QThread::msleep(10);
        const QByteArray name =
            (file.isDir() ? QStringLiteral("the program's module") : file.fileName()).toLocal8Bit();
        Measure(name.constData(), sink, [&](const QString& sound) { output.Play(sound); });
    }
    Measure("paplay, a process each", sink, [](const QString& sound) {
        QProcess::startDetached(QStringLiteral("paplay"), {sound});
    });
    return 0;
}
