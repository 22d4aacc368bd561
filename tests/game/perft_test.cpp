#include "perft.h"

#include <gtest/gtest.h>

#include "ascii_board.h"

namespace zorvel::testing {
namespace {

class PerftFromOpening : public ::testing::TestWithParam<int> {};

TEST_P(PerftFromOpening, MatchesThePublishedCount) {
    const int depth = GetParam();
    EXPECT_EQ(Perft(OpeningPosition(), kSide0, depth), kOpeningLeaves[depth]);
}

// Deeper counts are checked by the perft benchmark, which runs to depth 9.
INSTANTIATE_TEST_SUITE_P(Depths, PerftFromOpening, ::testing::Range(1, 7));

// Positions where passes and finished games decide the count.
struct EndCase {
    const char* name;
    Rows rows;
    Cell side;
    int depth;
    std::uint64_t leaves;
};

class PerftAtTheEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(PerftAtTheEnd, CountsPassesAsMovesAndFinishedGamesAsLeaves) {
    const EndCase& c = GetParam();
    EXPECT_EQ(Perft(FromAscii(c.rows), c.side, c.depth), c.leaves);
}

// Green cannot move; red has two moves, each taking one of green's two stones.
constexpr Rows kGreenPasses = {"RRG.....", "........", "........", "........",
                               "........", "........", "........", "RG......"};
constexpr Rows kFullBoard = {"GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG",
                             "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRRR"};
constexpr Rows kGreenWipedOut = {"RRRR....", "........", "........", "........",
                                 "........", "........", "........", "........"};

INSTANTIATE_TEST_SUITE_P(
    Positions, PerftAtTheEnd,
    ::testing::Values(EndCase{"PassIsOneMove", kGreenPasses, kSide0, 1, 1},
                      EndCase{"MovesAfterThePass", kGreenPasses, kSide0, 2, 2},
                      EndCase{"SecondPass", kGreenPasses, kSide0, 3, 2},
                      EndCase{"GameEndsBeforeTheDepth", kGreenPasses, kSide0, 9, 2},
                      EndCase{"FullBoard", kFullBoard, kSide1, 3, 1},
                      EndCase{"OneSideLeft", kGreenWipedOut, kSide0, 2, 1}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zorvel::testing
