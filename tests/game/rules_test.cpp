#include "rules.h"

#include <gtest/gtest.h>

#include <random>

#include "ascii_board.h"
#include "recording_turner.h"

namespace zorvel::testing {
namespace {

struct MoveCase {
    const char* name;
    Rows before;
    int x;
    int y;
    Cell side;
    int count;
    Rows after;  // the board once the move is played
};

// Cases print as their names in test listings.
void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << c.name;
}

class TryMoveCounts : public ::testing::TestWithParam<MoveCase> {};

TEST_P(TryMoveCounts, MeasureAndPlayAgree) {
    const MoveCase& c = GetParam();
    Board board = FromAscii(c.before);
    EXPECT_EQ(TryMove(board, c.x, c.y, c.side), c.count);
    EXPECT_EQ(ToAscii(board), ToAscii(c.before)) << "measuring changed the board";

    RecordingTurner turner(board);
    EXPECT_EQ(TryMove(board, c.x, c.y, c.side, &turner), c.count);
    EXPECT_EQ(ToAscii(board), ToAscii(c.after));
    if (c.count == 0) {
        EXPECT_TRUE(turner.turned.empty()) << "an illegal move drew something";
    }
    EXPECT_TRUE(RingIsEmpty(board));
}

const MoveCase kMoveCases[] = {
    {"Occupied",
     {"........", "........", "........", "...GR...", "...RG...", "........", "........",
      "........"},
     4,
     4,
     kSide1,
     0,
     {"........", "........", "........", "...GR...", "...RG...", "........", "........",
      "........"}},
    {"NothingBracketed",
     {"........", "........", "........", "...GR...", "...RG...", "........", "........",
      "........"},
     1,
     1,
     kSide0,
     0,
     {"........", "........", "........", "...GR...", "...RG...", "........", "........",
      "........"}},
    {"LineRunsToTheEdge",
     {"........", "........", "........", "........", "........", "........", "........",
      "RRRRRRR."},
     8,
     8,
     kSide0,
     0,
     {"........", "........", "........", "........", "........", "........", "........",
      "RRRRRRR."}},
    {"LineEndsOnEmptyCell",
     {"........", "........", "........", "........", "........", "........", "........",
      ".GG.R..."},
     1,
     8,
     kSide1,
     0,
     {"........", "........", "........", "........", "........", "........", "........",
      ".GG.R..."}},
    {"OneStoneOneDirection",
     {"........", "........", "........", "...GR...", "...RG...", "........", "........",
      "........"},
     4,
     3,
     kSide1,
     2,
     {"........", "........", "...R....", "...RR...", "...RG...", "........", "........",
      "........"}},
    {"TwoInOneDirectionOneInAnother",
     {"R.......", ".G......", "..G.....", "........", "...G....", "...R....", "........",
      "........"},
     4,
     4,
     kSide1,
     5,
     {"R.......", ".R......", "..R.....", "...R....", "...R....", "...R....", "........",
      "........"}},
    {"WholeRowToTheEdgeStone",
     {"........", "........", "........", "........", "........", "........", "........",
      ".RRRRRRG"},
     1,
     8,
     kSide0,
     7,
     {"........", "........", "........", "........", "........", "........", "........",
      "GGGGGGGG"}},
};

INSTANTIATE_TEST_SUITE_P(Fixtures, TryMoveCounts, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A stone in the middle of a ring of opponents, each bracketed by one of its own behind it.
const Rows kStar = {"........", ".G.G.G..", "..RRR...", ".GR.RG..",
                    "..RRR...", ".G.G.G..", "........", "........"};

TEST(TryMoveOrder, OriginFirstThenDirectionsClockwiseFromUp) {
    Board board = FromAscii(kStar);
    RecordingTurner turner(board);
    EXPECT_EQ(TryMove(board, 4, 4, kSide0, &turner), 16);
    const std::vector<Turned> expected = {
        {4, 4, kSide0},                  // the origin, once
        {4, 3, kSide0}, {5, 3, kSide0},  // up, up-right
        {5, 4, kSide0}, {5, 5, kSide0},  // right, down-right
        {4, 5, kSide0}, {3, 5, kSide0},  // down, down-left
        {3, 4, kSide0}, {3, 3, kSide0},  // left, up-left
    };
    EXPECT_EQ(turner.turned, expected);
}

TEST(TryMoveOrder, CapturedStonesFollowFromTheOriginOutward) {
    Board board = FromAscii({"........", "........", "........", "........", "........", "........",
                             "........", "GRRRR..."});
    RecordingTurner turner(board);
    EXPECT_EQ(TryMove(board, 6, 8, kSide0, &turner), 5);
    const std::vector<Turned> expected = {
        {6, 8, kSide0}, {5, 8, kSide0}, {4, 8, kSide0}, {3, 8, kSide0}, {2, 8, kSide0}};
    EXPECT_EQ(turner.turned, expected);
}

TEST(TryMoveBounds, CellsOffTheFieldAreNeverLegal) {
    const Board board;
    for (int i = -1; i <= 10; ++i) {
        for (int j : {-1, 0, 9, 10}) {
            EXPECT_EQ(TryMove(board, i, j, kSide0), 0);
            EXPECT_EQ(TryMove(board, j, i, kSide1), 0);
        }
    }
}

TEST(BoardBounds, OnlyPlayingCellsCanBeWritten) {
    Board board;
    EXPECT_THROW(board.Set(0, 4, kSide0), std::out_of_range);
    EXPECT_THROW(board.Set(4, 9, kSide0), std::out_of_range);
    EXPECT_THROW(board.Set(4, 4, 3), std::out_of_range);
    EXPECT_TRUE(RingIsEmpty(board));
}

// Random legal play keeps the ring empty and every cell a valid value.
TEST(BoardBounds, RandomGamesNeverTouchTheRing) {
    std::mt19937 random(20261208);
    for (int game = 0; game < 50; ++game) {
        Board board = FromAscii({"........", "........", "........", "...GR...", "...RG...",
                                 "........", "........", "........"});
        RecordingTurner turner(board);
        Cell side = kSide0;
        for (int passes = 0; passes < 2;) {
            std::vector<std::pair<int, int>> legal;
            for (int y = Board::kFirst; y <= Board::kLast; ++y)
                for (int x = Board::kFirst; x <= Board::kLast; ++x)
                    if (TryMove(board, x, y, side) > 0) legal.emplace_back(x, y);
            passes = legal.empty() ? passes + 1 : 0;
            if (!legal.empty()) {
                const auto [x, y] = legal[random() % legal.size()];
                const std::uint8_t measured = TryMove(board, x, y, side);
                ASSERT_EQ(TryMove(board, x, y, side, &turner), measured);
            }
            side = Opponent(side);
        }
        EXPECT_TRUE(RingIsEmpty(board));
    }
}

}  // namespace
}  // namespace zorvel::testing
