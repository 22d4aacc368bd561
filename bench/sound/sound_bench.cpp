// How soon each sound is heard after it was asked for, and whether it is heard whole: the game's
// pattern of clicks and chimes played through a sound output, recorded from a sound server's sink
// monitor. Prints one row per player: the program's sound module, other modules given on the
// command line (for comparing outputs), and paplay, one process per sound, as a yardstick. With a
// rest given, each module then rests that long and its next sound is measured on its own. With
// --restart, the program's module then plays on a sound server of the benchmark's own, which is
// stopped and started again: how long after its return the first click of a game is heard.
//
//   sound_bench [--rest=SECONDS] [--restart] [module.so ...]
//                                 sink: ZORVEL_TEST_SINK, else the default one
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <span>

#include "heard_sounds.h"
#include "module_sound_output.h"
#include "recorded_pattern.h"
#include "sound_module.h"
#include "sound_server.h"

using namespace zorvel;

namespace {

// A click after the rest that comes before it.
const test::PatternStep kOneClick[] = {{sound::Sound::Stone, 500}};

void Measure(const char* name, const QString& monitor,
             const std::function<void(sound::Sound)>& play,
             std::span<const test::PatternStep> pattern = test::kGamePattern) {
    const auto steps = test::RecordPattern(monitor, play, pattern);
    if (!steps) {
        std::printf("%-32s parec did not start or heard nothing\n", name);
        return;
    }
    const test::HeardSound wholeClick = test::SoundOfFile(sound::kStoneSound.toStdString());
    const test::HeardSound wholeChime = test::SoundOfFile(sound::kComputerSound.toStdString());
    int heard = 0;
    int whole = 0;
    int split = 0;
    double sum = 0;
    double worst = 0;
    for (std::size_t i = 0; i < steps->size(); ++i) {
        const std::optional<test::HeardStep>& step = (*steps)[i];
        if (!step) continue;
        const bool isChime = pattern[i].sound == sound::Sound::Computer;
        ++heard;
        whole +=
            test::IsWhole(step->sound, isChime ? wholeChime : wholeClick) || step->sound.cutByNext;
        split += step->pieces > 1;
        sum += step->delayMs;
        worst = std::max(worst, step->delayMs);
    }
    std::printf(
        "%-32s %2d of %zu heard, %2d whole, %d split   onset mean %5.1f ms, worst %5.1f ms\n", name,
        heard, steps->size(), whole, split, heard == 0 ? 0.0 : sum / heard, worst);
}

// Clicks at a game's pace, 500 ms apart, from the server's return on.
const std::vector<test::PatternStep> kClicksAfterReturn(12, {sound::Sound::Stone, 500});

void MeasureRestart() {
    test::SoundServer server;
    if (const QString failure = server.Start(); !failure.isEmpty()) {
        std::printf("No restart figures: %s\n", qPrintable(failure));
        return;
    }
    server.Use();
    const QString monitor = QStringLiteral("%1.monitor").arg(test::SoundServer::kSink);
    sound::ModuleSoundOutput output(QStringLiteral(ZORVEL_RUNTIME_DIR),
                                    [] { std::printf("  (default sound)\n"); });
    output.Prepare();
    while (output.Preparing()) QThread::msleep(10);
    output.Play(sound::Sound::Stone);
    server.Stop();
    QThread::sleep(1);
    server.Start();
    // The recording's clock starts at once: its times count from the server's return.
    const auto steps = test::RecordPattern(
        monitor, [&](sound::Sound sound) { output.Play(sound); }, kClicksAfterReturn);
    if (!steps) {
        std::printf("server restarted: parec did not start or heard nothing\n");
        return;
    }
    const auto first = std::find_if(steps->begin(), steps->end(),
                                    [](const auto& step) { return step.has_value(); });
    if (first == steps->end()) {
        std::printf("server restarted: none of %zu clicks heard\n", steps->size());
        return;
    }
    std::printf(
        "server restarted: heard again %.0f ms after its return (clicks 500 ms apart, "
        "%td of %zu dropped, then all heard: %s)\n",
        (*first)->playedMs, first - steps->begin(), steps->size(),
        std::all_of(first, steps->end(), [](const auto& step) { return step.has_value(); }) ? "yes"
                                                                                            : "no");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    const QString monitor =
        qEnvironmentVariable("ZORVEL_TEST_SINK", QStringLiteral("@DEFAULT_SINK@")) +
        QStringLiteral(".monitor");
    if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        std::printf("No figures: parec not found (Debian: pulseaudio-utils)\n");
        return 0;
    }
    std::vector<QString> modules{QStringLiteral(ZORVEL_RUNTIME_DIR)};
    int restSeconds = 0;
    bool restart = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.startsWith(QStringLiteral("--rest=")))
            restSeconds = argument.mid(7).toInt();
        else if (argument == QStringLiteral("--restart"))
            restart = true;
        else
            modules.push_back(argument);
    }
    for (const QString& module : modules) {
        const QFileInfo file(module);
        const QString folder = file.isDir() ? module : file.absolutePath();
        // Another module is tried under the program's name, in a folder of its own.
        sound::ModuleSoundOutput output(folder, [] { std::printf("  (default sound)\n"); });
        output.Prepare();
        while (output.Preparing()) QThread::msleep(10);
        const QByteArray name = (file.isDir() ? QStringLiteral("the program's module")
                                              : file.dir().dirName() + u'/' + file.fileName())
                                    .toLocal8Bit();
        const auto play = [&](sound::Sound sound) { output.Play(sound); };
        Measure(name.constData(), monitor, play);
        if (restSeconds <= 0) continue;
        // The output's own timers run meanwhile, as they would in the game.
        QEventLoop rest;
        QTimer::singleShot(std::chrono::seconds(restSeconds), &rest, &QEventLoop::quit);
        rest.exec();
        const QByteArray afterRest =
            QByteArray("  after ") + QByteArray::number(restSeconds) + " s at rest, a click";
        Measure(afterRest.constData(), monitor, play, kOneClick);
    }
    Measure("paplay, a process each", monitor, [](sound::Sound sound) {
        QProcess::startDetached(QStringLiteral("paplay"), {sound::FileOf(sound)});
    });
    if (restart) MeasureRestart();
    return 0;
}
