#include <gtest/gtest.h>

#include "flow_harness.h"
#include "reference_rules.h"

namespace zorvel::testing {
namespace {

const Rows kOpening = {"........", "........", "........", "...GR...",
                       "...RG...", "........", "........", "........"};
const std::string kRule(23, '-');

FlowHarness OnePlayerGame(const Rows& rows, Cell turn) {
    FlowHarness h;
    h.options.onePlayer = true;
    h.Load(rows, turn);
    return h;
}

TEST(ComputerTurn, AnswersTheOpeningOnTheFirstCellOfEqualCandidates) {
    FlowHarness h = OnePlayerGame(kOpening, kSide1);
    h.flow.TimerTimer();
    EXPECT_EQ(h.game.board.At(4, 3), kSide1);
    EXPECT_EQ(h.game.Turn, kSide0);
    EXPECT_EQ(h.game.Busy, 0);
    // Chime, one second, then the stone and its capture with their own sounds.
    EXPECT_EQ(h.view.sounds.front(), kComputerSound);
    EXPECT_EQ(h.view.pauses.front(), 1000u);
    EXPECT_EQ(h.view.turned, (std::vector<Turned>{{4, 3, kSide1}, {4, 4, kSide1}}));
    const std::vector<std::string> candidates(h.log.lines.begin() + 10, h.log.lines.end());
    EXPECT_EQ(candidates, (std::vector<std::string>{"X:4 Y:3 P:25 A:2", "X:3 Y:4 P:25 A:2",
                                                    "X:6 Y:5 P:25 A:2", "X:5 Y:6 P:25 A:2"}));
}

TEST(ComputerTurn, LogsTheWeightTableAndChimesBeforeTheWait) {
    FlowHarness h = OnePlayerGame(kOpening, kSide1);
    h.view.onPause = [&](std::size_t index) {
        if (index == 0) {
            ASSERT_EQ(h.log.lines.size(), 10u);
            ASSERT_EQ(h.view.sounds, std::vector<std::string>{kComputerSound});
        }
    };
    h.flow.TimerTimer();
    EXPECT_EQ(h.log.lines[0], kRule);
    EXPECT_EQ(std::vector<std::string>(h.log.lines.begin() + 1, h.log.lines.begin() + 9),
              (std::vector<std::string>{"95-15-50-40-40-50-15-95", "15-10-30-20-20-30-10-15",
                                        "50-30-35-25-25-35-30-50", "40-20-25-10-10-25-20-40",
                                        "40-20-25-10-10-25-20-40", "50-30-35-25-25-35-30-50",
                                        "15-10-30-20-20-30-10-15", "95-15-50-40-40-50-15-95"}));
    EXPECT_EQ(h.log.lines[9], kRule);
    EXPECT_EQ(h.log.lines.size(), 10u + 4u);
}

TEST(ComputerTurn, TicksChangeNothingUnlessItIsTheComputersMove) {
    struct Case {
        const char* name;
        bool onePlayer;
        std::uint8_t gameState;
        std::uint8_t busy;
        Cell turn;
    };
    for (const Case& c :
         {Case{"2P mode", false, 1, 0, kSide1}, Case{"no game", true, 0, 0, kSide1},
          Case{"busy", true, 1, 1, kSide1}, Case{"human's turn", true, 1, 0, kSide0}}) {
        FlowHarness h = OnePlayerGame(kOpening, c.turn);
        h.options.onePlayer = c.onePlayer;
        h.game.GameState = c.gameState;
        h.game.Busy = c.busy;
        h.flow.TimerTimer();
        EXPECT_EQ(h.Board(), ToAscii(kOpening)) << c.name;
        EXPECT_TRUE(h.log.lines.empty()) << c.name;
        EXPECT_TRUE(h.view.sounds.empty()) << c.name;
    }
}

TEST(ComputerTurn, AClickDuringTheWaitIsIgnored) {
    FlowHarness h = OnePlayerGame(kOpening, kSide1);
    h.view.onPause = [&](std::size_t index) {
        if (index == 0) h.Click(5, 6);  // legal for red, whose turn it is
    };
    h.flow.TimerTimer();
    EXPECT_EQ(h.view.turned.size(), 2u);
    EXPECT_EQ(h.game.board.At(5, 6), kEmpty);
}

TEST(ComputerTurn, ClearGameDuringTheWaitStopsTheTurn) {
    FlowHarness h = OnePlayerGame(kOpening, kSide1);
    h.view.onPause = [&](std::size_t index) {
        if (index == 0) h.flow.ClearGameClick();
    };
    h.flow.TimerTimer();
    EXPECT_TRUE(h.view.turned.empty());
    EXPECT_EQ(h.game.GameState, 0);
    EXPECT_EQ(h.game.Busy, 0);
    EXPECT_EQ(h.log.lines.size(), 10u) << "no candidates were looked for";
}

TEST(Choice, ACornerBeatsALargerCapture) {
    // (1, 1) captures one stone at weight 95; (5, 1) captures three at weight 40.
    FlowHarness h = OnePlayerGame({".GR.....", "....G...", "....G...", "....G...", "....R...",
                                   "........", "........", "........"},
                                  kSide1);
    h.flow.TimerTimer();
    EXPECT_EQ(h.game.board.At(1, 1), kSide1);
    EXPECT_EQ(h.game.board.At(5, 1), kEmpty);
}

TEST(Choice, EqualWeightsGoToTheSmallerCount) {
    // (3, 1) and (6, 1) both weigh 50; the first captures two stones, the second one.
    FlowHarness h = OnePlayerGame({"........", "..G..G..", "..G..R..", "..R.....", "........",
                                   "........", "........", "........"},
                                  kSide1);
    h.flow.TimerTimer();
    const std::vector<std::string> candidates(h.log.lines.begin() + 10, h.log.lines.end());
    EXPECT_EQ(candidates, (std::vector<std::string>{"X:3 Y:1 P:50 A:3", "X:6 Y:1 P:50 A:2"}));
    EXPECT_EQ(h.game.board.At(6, 1), kSide1);
    EXPECT_EQ(h.game.board.At(3, 1), kEmpty);
}

const Rows kGreenCorner = {"G.......", "........", "........", "...GR...",
                           "...RG...", "........", "........", "........"};
const Rows kRedCorner = {"........", "........", "........", "...GR...",
                         "...RG...", "........", "........", ".......R"};

TEST(CornerWeights, TheOpponentsCornerFlattensItsNeighboursForTheWholeRun) {
    FlowHarness h = OnePlayerGame(kGreenCorner, kSide1);
    h.flow.TimerTimer();
    const ComputerPlayer& computer = h.flow.Computer();
    for (const auto& [x, y] : {std::pair{2, 1}, {3, 1}, {4, 1}, {1, 2}, {2, 2}, {1, 3}, {1, 4}})
        EXPECT_EQ(computer.WeightAt(x, y), 20) << x << "," << y;
    EXPECT_EQ(computer.WeightAt(1, 1), 95);
    EXPECT_EQ(computer.WeightAt(3, 2), 30) << "(2, 1) from the corner keeps its weight";
    EXPECT_EQ(computer.WeightAt(2, 3), 30);
    EXPECT_EQ(h.log.lines[1], "95-20-20-20-40-50-15-95");
    EXPECT_EQ(h.log.lines[2], "20-20-30-20-20-30-10-15");

    // A new game of the same run keeps them.
    h.view.answers = {true, true};
    h.flow.ClearGameClick();
    h.options.side0First = false;
    h.flow.StartGameClick();
    h.log.lines.clear();
    h.flow.TimerTimer();
    EXPECT_EQ(h.log.lines[1], "95-20-20-20-40-50-15-95");
}

TEST(CornerWeights, TheComputersCornerMakesItsEdgesAttractive) {
    FlowHarness h = OnePlayerGame(kRedCorner, kSide1);
    h.flow.TimerTimer();
    const ComputerPlayer& computer = h.flow.Computer();
    struct Expected {
        int x, y, weight;
    };
    for (const Expected e : {Expected{8, 8, 95},
                             {7, 8, 80},
                             {8, 7, 80},
                             {7, 7, 80},
                             {6, 8, 70},
                             {8, 6, 70},
                             {5, 8, 60},
                             {8, 5, 60},
                             {6, 7, 50},
                             {7, 6, 50}})
        EXPECT_EQ(computer.WeightAt(e.x, e.y), e.weight) << e.x << "," << e.y;
    EXPECT_EQ(h.log.lines[7], "15-10-30-20-20-50-80-80");
    EXPECT_EQ(h.log.lines[8], "95-15-50-40-60-70-80-95");
}

// Each corner rewrites its neighbours as the top left one does, mirrored, for either owner.
TEST(CornerWeights, EveryCornerAndOwnerAlike) {
    for (const char owner : {'G', 'R'}) {
        ComputerPlayer::WeightTable topLeft{};
        for (const auto& [cornerX, cornerY] : {std::pair{1, 1}, {8, 1}, {8, 8}, {1, 8}}) {
            std::array<std::string, 8> rows;
            std::copy(kOpening.begin(), kOpening.end(), rows.begin());
            rows[cornerY - 1][cornerX - 1] = owner;
            FlowHarness h = OnePlayerGame(
                {rows[0], rows[1], rows[2], rows[3], rows[4], rows[5], rows[6], rows[7]}, kSide1);
            h.flow.TimerTimer();
            for (int y = Board::kFirst; y <= Board::kLast; ++y) {
                for (int x = Board::kFirst; x <= Board::kLast; ++x) {
                    auto& mirrored =
                        topLeft[cornerX == 1 ? x - 1 : 8 - x][cornerY == 1 ? y - 1 : 8 - y];
                    if (cornerX == 1 && cornerY == 1) mirrored = h.flow.Computer().WeightAt(x, y);
                    EXPECT_EQ(h.flow.Computer().WeightAt(x, y), mirrored)
                        << owner << " corner " << cornerX << "," << cornerY << " cell " << x << ","
                        << y;
                }
            }
        }
    }
}

// The human always takes the first legal cell; the computer answers on every tick. Each stone
// the engine sets is checked against the plain rules, and the score against a count of our own.
TEST(WholeGame, OnePlayerGameEndsWithTheRightScore) {
    FlowHarness h;
    h.options.onePlayer = true;
    h.flow.StartGameClick();
    Board reference = h.game.board;
    for (int step = 0; h.game.GameState == 1; ++step) {
        ASSERT_LT(step, 200);
        const Cell mover = h.game.Turn;
        const std::size_t logBefore = h.log.lines.size();
        if (mover == kSide0) {
            const auto cell = FirstLegalCell(reference, kSide0);
            ASSERT_TRUE(cell.has_value());
            ReferencePlay(reference, cell->first, cell->second, kSide0);
            h.Click(cell->first, cell->second);
        } else {
            const Board before = h.game.board;
            h.flow.TimerTimer();
            ASSERT_GE(h.log.lines.size(), logBefore + 11) << "a turn without a legal move";
            int placed = 0;
            for (int y = Board::kFirst; y <= Board::kLast; ++y) {
                for (int x = Board::kFirst; x <= Board::kLast; ++x) {
                    if (before.At(x, y) != kEmpty || h.game.board.At(x, y) == kEmpty) continue;
                    ++placed;
                    ASSERT_FALSE(ReferenceFlips(reference, x, y, kSide1).empty());
                    ReferencePlay(reference, x, y, kSide1);
                }
            }
            ASSERT_EQ(placed, 1);
        }
        ASSERT_EQ(ToAscii(h.game.board), ToAscii(reference));
        ASSERT_EQ(h.game.Busy, 0);
    }
    EXPECT_FALSE(FirstLegalCell(reference, kSide0) || FirstLegalCell(reference, kSide1));
    const int green = CountStones(reference, kSide0);
    const int red = CountStones(reference, kSide1);
    EXPECT_EQ(h.view.boxes.back().text,
              "YOU (GREEN)  " + std::to_string(green) + "  対  COM (RED)  " + std::to_string(red));
}

}  // namespace
}  // namespace zorvel::testing
