#pragma once

// A game played in a shown main window, one pacer throughout, with what its pauses cost.
#include <memory>
#include <vector>

#include "pacer.h"

namespace zorvel::bench {

struct SessionFigures {
    std::vector<double> animationCpuShares;  // one per opening or human move, drawing included
    std::vector<double> waitCpuShares;       // one per computer's one-second wait
    std::vector<double> frameErrorsMs;       // each frame interval less its nominal length
    std::vector<double> sleepOvershootsMs;   // the same machine's plain sleeps meanwhile
};

// Plays the opening, then `exchanges` times a human move (the first legal cell) and the
// computer's answer, the computer's turn coming from the window's own timer.
SessionFigures PlaySession(std::unique_ptr<ui::Pacer> pacer, bool highSpeed, int exchanges);

}  // namespace zorvel::bench
