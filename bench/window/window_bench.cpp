// The window's figures, offscreen, in the folder the game runs from: what its pauses cost in CPU
// against a spinning pause in the same run, how regular the animation frames are, how fast the
// program shows its board, its peak memory and the cost of one board paint.
#include <QApplication>
#include <QDir>
#include <cmath>
#include <cstdio>
#include <exception>
#include <vector>

#include "clocks.h"
#include "first_paint.h"
#include "game_session.h"
#include "message_boxes.h"
#include "paint_cost.h"
#include "report.h"
#include "spinning_pacer.h"
#include "startup_child.h"
#include "stats.h"

namespace zorvel::bench {
namespace {

constexpr int kStartRuns = 7;
constexpr double kCoreTarget = 2.0;  // % of one core

double Percent(double share) {
    return 100.0 * share;
}

std::vector<double> Absolute(std::vector<double> values) {
    for (double& value : values) value = std::abs(value);
    return values;
}

void AddStartFigures(std::vector<Figure>& figures) {
    std::vector<ChildRun> runs;
    for (int run = 0; run < kStartRuns; ++run) runs.push_back(StartChild(QDir::currentPath()));
    const auto median = [&runs](double ChildRun::*field) {
        std::vector<double> values;
        for (const ChildRun& run : runs) values.push_back(run.*field);
        return Median(values);
    };
    std::vector<double> inProcess;
    for (int run = 0; run < kStartRuns; ++run) inProcess.push_back(InProcessFirstPaintMs());
    figures.push_back({"process start to first board paint", median(&ChildRun::firstPaintMs), "ms",
                       150.0, runs.size()});
    figures.push_back(
        {"  main() reached", median(&ChildRun::mainMs), "ms", std::nullopt, runs.size()});
    figures.push_back({"  application object made", median(&ChildRun::applicationMs), "ms",
                       std::nullopt, runs.size()});
    figures.push_back({"  main window made, FormCreate done", median(&ChildRun::windowMs), "ms",
                       std::nullopt, runs.size()});
    figures.push_back({"peak resident memory, start and opening",
                       median(&ChildRun::peakResidentMiB), "MiB", 60.0, runs.size()});
    figures.push_back({"window construction to first paint, in process", Median(inProcess), "ms",
                       std::nullopt, inProcess.size()});
    figures.push_back(
        {"one board paint (320 x 320)", BoardPaintMicroseconds(), "us", std::nullopt, 1});
}

void AddFrameFigures(std::vector<Figure>& figures, const SessionFigures& session,
                     const std::string& speed) {
    const std::vector<double> errors = Absolute(session.frameErrorsMs);
    const std::vector<double>& machine = session.sleepOvershootsMs;
    figures.push_back(
        {"frame interval error " + speed + ", mean", Mean(errors), "ms", 2.0, errors.size()});
    figures.push_back({"frame interval error " + speed + ", p99", Percentile(errors, 99.0), "ms",
                       10.0, errors.size()});
    figures.push_back({"  plain sleep meanwhile, overshoot mean", Mean(machine), "ms", std::nullopt,
                       machine.size()});
    figures.push_back({"  plain sleep meanwhile, overshoot p99", Percentile(machine, 99.0), "ms",
                       std::nullopt, machine.size()});
}

void AddCpuFigures(std::vector<Figure>& figures, const SessionFigures& sleeping,
                   const SessionFigures& spinning) {
    const double animating = Percent(Median(sleeping.animationCpuShares));
    const double waiting = Percent(Median(sleeping.waitCpuShares));
    const double spinAnimating = Percent(Median(spinning.animationCpuShares));
    const double spinWaiting = Percent(Median(spinning.waitCpuShares));
    figures.push_back({"CPU while stones animate, event-loop pause", animating, "%", kCoreTarget,
                       sleeping.animationCpuShares.size()});
    figures.push_back({"CPU while stones animate, spinning pause", spinAnimating, "%", std::nullopt,
                       spinning.animationCpuShares.size()});
    figures.push_back({"  spinning / event-loop", spinAnimating / animating, "x", std::nullopt, 1});
    figures.push_back({"CPU in the computer's wait, event-loop pause", waiting, "%", kCoreTarget,
                       sleeping.waitCpuShares.size()});
    figures.push_back({"CPU in the computer's wait, spinning pause", spinWaiting, "%", std::nullopt,
                       spinning.waitCpuShares.size()});
    figures.push_back({"  spinning / event-loop", spinWaiting / waiting, "x", std::nullopt, 1});
}

int RunAll(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::vector<Figure> figures;
    AddStartFigures(figures);
    const SessionFigures normal = PlaySession(std::make_unique<ui::EventLoopPacer>(), false, 5);
    const SessionFigures fast = PlaySession(std::make_unique<ui::EventLoopPacer>(), true, 5);
    const SessionFigures spinning = PlaySession(std::make_unique<SpinningPacer>(), false, 2);
    AddCpuFigures(figures, normal, spinning);
    AddFrameFigures(figures, normal, "100 ms");
    AddFrameFigures(figures, fast, "50 ms");
    PrintFigures(figures);
    return 0;
}

}  // namespace
}  // namespace zorvel::bench

int main(int argc, char* argv[]) {
    using namespace zorvel::bench;
    const std::int64_t mainNs = WallNs();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The game loads its pictures and sounds by bare name from the folder it is started in.
    QDir::setCurrent(QStringLiteral(ZORVEL_RUNTIME_DIR));
    try {
        if (const auto started = ChildStartedNs())
            return RunAsStartupChild(argc, argv, *started, mainNs);
        return RunAll(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_bench: %s\n", error.what());
        return 1;
    }
}
