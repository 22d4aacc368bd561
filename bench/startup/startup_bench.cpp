// Start-up under a real X display: how long from exec until a program's first window is mapped,
// for the game and for an empty Qt main window, started by turns so that both meet the same load,
// at each scale factor; and each one's peak resident memory, taken a while after mapping.
//
// An earlier build of the game, when given, is started by turns with them too.
//
//   startup_bench GAME EMPTY_WINDOW [RUNS [EARLIER_GAME]]   (in the game's folder, DISPLAY set)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "../window/clocks.h"
#include "../window/stats.h"

extern char** environ;

namespace {

using zorvel::bench::Median;
using zorvel::bench::WallNs;

constexpr auto kSettle = std::chrono::milliseconds(500);  // after mapping: the first paints

struct Run {
    double mappedMs;
    double peakMiB;
};

class Display {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_)) {
            std::fprintf(stderr, "startup_bench: no X display\n");
            std::exit(2);
        }
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }

    // Waits for the next top-level window to be mapped and returns when it was seen.
    std::int64_t WaitForMap() {
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection_)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) return WallNs();
        }
        std::fprintf(stderr, "startup_bench: the display went away\n");
        std::exit(2);
    }

  private:
    xcb_connection_t* connection_;
};

Run StartOnce(Display& display, const char* program, const std::string& scale) {
    setenv("QT_SCALE_FACTOR", scale.c_str(), 1);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t child = 0;
    const std::int64_t started = WallNs();
    if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        std::exit(2);
    }
    const std::int64_t mapped = display.WaitForMap();
    std::this_thread::sleep_for(kSettle);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {static_cast<double>(mapped - started) / 1e6, usage.ru_maxrss / 1024.0};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench GAME EMPTY_WINDOW [RUNS [EARLIER_GAME]]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    const char* earlier = argc > 4 ? argv[4] : nullptr;
    Display display;
    std::printf("%-6s %-9s %12s %12s %12s %5s\n", "scale", "program", "mapped ms", "ratio",
                "peak MiB", "n");
    for (const std::string scale : {"1", "2"}) {
        std::vector<double> game, empty, ratios, gamePeak, emptyPeak;
        std::vector<double> before, beforeRatios, beforePeak;
        for (int run = 0; run < runs; ++run) {
            const Run g = StartOnce(display, argv[1], scale);
            const Run e = StartOnce(display, argv[2], scale);
            game.push_back(g.mappedMs);
            empty.push_back(e.mappedMs);
            ratios.push_back(g.mappedMs / e.mappedMs);
            gamePeak.push_back(g.peakMiB);
            emptyPeak.push_back(e.peakMiB);
            if (earlier == nullptr) continue;
            const Run b = StartOnce(display, earlier, scale);
            before.push_back(b.mappedMs);
            beforeRatios.push_back(b.mappedMs / e.mappedMs);
            beforePeak.push_back(b.peakMiB);
        }
        std::printf("%-6s %-9s %12.1f %12.3f %12.1f %5d\n", scale.c_str(), "game", Median(game),
                    Median(ratios), Median(gamePeak), runs);
        if (earlier != nullptr)
            std::printf("%-6s %-9s %12.1f %12.3f %12.1f %5d\n", scale.c_str(), "earlier",
                        Median(before), Median(beforeRatios), Median(beforePeak), runs);
        std::printf("%-6s %-9s %12.1f %12s %12.1f %5d\n", scale.c_str(), "empty", Median(empty), "",
                    Median(emptyPeak), runs);
    }
    return 0;
}
