#pragma once

// Positions the engine benchmarks run on, with one legal move in each that turns many stones.
// The middle and late game come from a game of the computer against a random player.
#include "ascii_board.h"
#include "perft.h"

namespace zorvel::bench {

struct Position {
    Board board;
    int x;
    int y;
    Cell side;
};

inline Position Opening() {
    return {testing::OpeningPosition(), 4, 3, kSide1};
}

// After 20 moves.
inline Position Midgame() {
    return {testing::FromAscii({"..GR.R..", "..GR.R..", ".RGRRRRR", "..GGR...", "...RGR..",
                                "..R.GGR.", "......G.", "........"}),
            5, 2, kSide0};
}

// After 44 moves, with three corners taken.
inline Position LateGame() {
    return {testing::FromAscii({"RGGGGGGR", "RGGG.G.R", "RGRRRRGR", "RGGRG..R", "R.RRRG.R",
                                ".RG.GRRR", "..GG.RRR", "..G.R..R"}),
            6, 4, kSide1};
}

}  // namespace zorvel::bench
