// Measures what waiting costs: the CPU time one long pause burns, and how far short pauses
// overshoot their length. Runs offscreen; prints one line per figure.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "pacer.h"

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zorvel::ui::EventLoopPacer pacer;

    const double cpuBefore = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    pacer.Pause(5000);
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("Pause(5000): %.3f s wall, %.3f s CPU (%.2f%% of one core)\n",
                wall.nsecsElapsed() / 1e9, cpu, 100.0 * cpu / (wall.nsecsElapsed() / 1e9));

    std::vector<double> overshoot;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        pacer.Pause(100);
        overshoot.push_back(clock.nsecsElapsed() / 1e6 - 100.0);
    }
    double sum = 0;
    for (double o : overshoot) sum += o;
    std::printf("20 x Pause(100): overshoot mean %.2f ms, worst %.2f ms\n", sum / overshoot.size(),
                *std::max_element(overshoot.begin(), overshoot.end()));
    return 0;
}
