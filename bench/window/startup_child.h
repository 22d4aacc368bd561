#pragma once

// The program's start, measured from outside: the driver starts a copy of itself that sets up the
// application object and the main window as the game does, in the game's folder, and reports when
// the board was first painted (counted from just before the parent started it) and its peak
// resident memory after playing a game's opening.
#include <QString>
#include <cstdint>
#include <optional>

namespace zorvel::bench {

// Milliseconds from just before the parent started the child, and the child's peak memory.
struct ChildRun {
    double mainMs;         // the program's main() reached: loading and linking done
    double applicationMs;  // the application object made
    double windowMs;       // the main window made and its FormCreate done
    double firstPaintMs;   // the board painted
    double peakResidentMiB;
};

// The start time handed down by the parent; set only in the child.
std::optional<std::int64_t> ChildStartedNs();

// In the child, whose main() was reached at `mainNs`: starts as the game does, prints its figures
// and returns the exit code.
int RunAsStartupChild(int argc, char* argv[], std::int64_t startedNs, std::int64_t mainNs);

// In the parent: starts one child in `folder` and reads its figures.
ChildRun StartChild(const QString& folder);

}  // namespace zorvel::bench
