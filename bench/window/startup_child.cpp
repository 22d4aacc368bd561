#include "startup_child.h"

#include <sys/resource.h>

#include <QAction>
#include <QProcess>
#include <cstdio>
#include <stdexcept>

#include "clocks.h"
#include "first_paint.h"
#include "form_vel.h"
#include "module_sound_output.h"
#include "yes_boxes.h"
#include "zorvel_application.h"

namespace zorvel::bench {
namespace {

constexpr const char* kStartedVariable = "ZORVEL_BENCH_STARTED_NS";
constexpr int kChildTimeoutMs = 60'000;

}  // namespace

std::optional<std::int64_t> ChildStartedNs() {
    bool ok = false;
    const qint64 started = qEnvironmentVariable(kStartedVariable).toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(started) : std::nullopt;
}

int RunAsStartupChild(int argc, char* argv[], std::int64_t startedNs, std::int64_t mainNs) {
    ZorVelApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::int64_t applicationNs = WallNs();
    // The sound module lies in the program's folder, not in the driver's.
    ui::TFormVel form(
        std::make_unique<ui::BoardPicture>(), std::make_unique<ui::EventLoopPacer>(),
        std::make_unique<sound::ModuleSoundOutput>(QStringLiteral(ZORVEL_RUNTIME_DIR)),
        [](QWidget* /*owner*/) { return std::make_unique<YesBoxes>(); });
    form.FormCreate();
    const std::int64_t windowNs = WallNs();
    const std::int64_t paintedNs = ShowAndWaitForFirstPaint(form);

    // Every picture and sound in use at least once, at high speed to keep the run short.
    form.findChild<QAction*>(QStringLiteral("Speed"))->setChecked(true);
    form.StartGameClick();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    for (const std::int64_t ns : {mainNs, applicationNs, windowNs, paintedNs})
        std::printf("%lld ", static_cast<long long>(ns - startedNs));
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

ChildRun StartChild(const QString& folder) {
    QProcess child;
    child.setWorkingDirectory(folder);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kStartedVariable, QString::number(WallNs()));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(kChildTimeoutMs) || child.exitCode() != 0)
        throw std::runtime_error("the start-up child failed");
    long long ns[4] = {};
    long peakKiB = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lld %lld %lld %lld %ld", &ns[0],
                    &ns[1], &ns[2], &ns[3], &peakKiB) != 5)
        throw std::runtime_error("the start-up child printed no figures");
    const auto ms = [](long long value) { return static_cast<double>(value) / 1e6; };
    return {ms(ns[0]), ms(ns[1]), ms(ns[2]), ms(ns[3]), static_cast<double>(peakKiB) / 1024.0};
}

}  // namespace zorvel::bench
