#include <gtest/gtest.h>

#include "flow_harness.h"
#include "reference_rules.h"

namespace zorvel::testing {
namespace {

const Rows kEmptyRows = {"........", "........", "........", "........",
                         "........", "........", "........", "........"};
const Rows kOpening = {"........", "........", "........", "...GR...",
                       "...RG...", "........", "........", "........"};

TEST(StartGame, NoLeavesEverythingAsItWas) {
    FlowHarness h;
    h.view.answers = {false};
    h.flow.StartGameClick();
    EXPECT_EQ(h.view.boxes, (std::vector<Box>{{Box::Question, kStartQuestion}}));
    EXPECT_EQ(h.view.clears, 0);
    EXPECT_TRUE(h.view.turned.empty());
    EXPECT_EQ(h.game.GameState, 0);
}

TEST(StartGame, PlacesTheFourOpeningStonesInOrder) {
    for (const bool side0First : {true, false}) {
        FlowHarness h;
        h.options.side0First = side0First;
        h.flow.StartGameClick();
        const std::vector<Turned> opening = {
            {4, 4, kSide0}, {5, 4, kSide1}, {4, 5, kSide1}, {5, 5, kSide0}};
        EXPECT_EQ(h.view.turned, opening);
        EXPECT_EQ(h.view.clears, 1);
        EXPECT_EQ(h.view.sounds.size(), 4u);
        EXPECT_EQ(h.view.pauses, std::vector<unsigned>(20, 100));
        EXPECT_EQ(h.Board(), ToAscii(kOpening));
        EXPECT_EQ(h.game.GameState, 1);
        EXPECT_EQ(h.game.Turn, side0First ? kSide0 : kSide1);
        EXPECT_EQ(h.view.status.title, "NEXT PLAYER");
        EXPECT_EQ(h.view.status.mover, side0First ? "1P (GREEN)" : "2P (RED)");
    }
}

TEST(ClearGame, EmptiesTheBoardOnlyOnYes) {
    FlowHarness h;
    h.Load(kOpening, kSide0);
    h.view.answers = {false, true};
    h.flow.ClearGameClick();
    EXPECT_EQ(h.game.GameState, 1);
    EXPECT_EQ(h.Board(), ToAscii(kOpening));
    h.flow.ClearGameClick();
    EXPECT_EQ(h.game.GameState, 0);
    EXPECT_EQ(h.Board(), ToAscii(kEmptyRows));
    EXPECT_EQ(h.view.status.title, "VELTOR Ver2.0");
    EXPECT_EQ(h.view.status.mover, "");
}

// A menu that opened before the game's state changed still offers what the state now forbids;
// choosing it changes nothing. Started again in the middle of a game, the opening would run with
// the game still on, and the computer's turn could start on the half-built board.
TEST(Menus, StartGameDuringAGameIsIgnored) {
    FlowHarness h;
    h.options.onePlayer = true;
    h.Load(kOpening, kSide1);
    h.flow.StartGameClick();
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_EQ(h.Board(), ToAscii(kOpening));
    EXPECT_EQ(h.game.GameState, 1);
}

TEST(Menus, ClearGameAfterTheGameEndedKeepsTheFinalPosition) {
    FlowHarness h;
    h.Load(kOpening, kSide0);
    h.game.GameState = 0;
    h.flow.ClearGameClick();
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_EQ(h.Board(), ToAscii(kOpening));
}

// The window maps a click in the margin left of and above the board to column and row 1.
TEST(HumanMove, ColumnAndRowOnePlay) {
    FlowHarness h;
    h.Load({".RG.....", "R.......", "G.......", "........", "........", "........", "........",
            "........"},
           kSide0);
    h.flow.HumanMove(1, 1);
    EXPECT_EQ(h.game.board.At(1, 1), kSide0);
    EXPECT_EQ(h.game.Turn, kSide1);
}

// Column or row 0: the window's click missed the board.
TEST(HumanMove, ClicksOffTheBoardOrIllegalAreIgnored) {
    FlowHarness h;
    h.Load(kOpening, kSide0);
    for (const auto& [x, y] : {std::pair{0, 3}, {3, 0}, {1, 1}}) {
        h.flow.HumanMove(x, y);
        EXPECT_EQ(h.Board(), ToAscii(kOpening));
        EXPECT_EQ(h.game.Turn, kSide0);
        EXPECT_EQ(h.game.Busy, 0);
    }
    EXPECT_TRUE(h.view.boxes.empty());
}

TEST(HumanMove, EveryClickPlaysForTheSideToMove) {
    FlowHarness h;
    h.Load(kOpening, kSide1);
    h.Click(4, 3);
    EXPECT_EQ(h.game.board.At(4, 3), kSide1);
    EXPECT_EQ(h.game.Turn, kSide0);
    EXPECT_EQ(h.view.status.mover, "1P (GREEN)");
}

TEST(HumanMove, NothingHappensWithoutARunningGame) {
    FlowHarness h;
    h.game.board = FromAscii(kOpening);
    h.Click(4, 3);
    EXPECT_TRUE(h.view.turned.empty());
}

TEST(HumanMove, AClickDuringTheAnimationIsIgnored) {
    FlowHarness h;
    h.Load(kOpening, kSide0);
    h.view.onPause = [&](std::size_t) { h.Click(6, 5); };
    h.Click(5, 3);
    EXPECT_EQ(h.view.turned, (std::vector<Turned>{{5, 3, kSide0}, {5, 4, kSide0}}));
    EXPECT_EQ(h.game.Busy, 0);
    EXPECT_EQ(h.game.Turn, kSide1);
}

// After side 1 turns (8, 7), side 0 has nothing left to capture: only corner and edge stones
// that cannot be bracketed. Mirrored, side 1 is the one that passes.
const Rows kPassForSide0 = {"RG......", "........", "........", "........",
                            "........", ".......R", ".......G", "........"};
const Rows kPassForSide1 = {"GR......", "........", "........", "........",
                            "........", ".......G", ".......R", "........"};

TEST(CheckGameState, ASideWithoutMovesPassesOnce) {
    struct Case {
        const Rows& rows;
        Cell mover;
        bool onigiri;
        const char* passMessage;
    };
    const Case cases[] = {
        {kPassForSide0, kSide1, false, "1P (GREEN) : 置ける場所がありません。パスします。"},
        {kPassForSide1, kSide0, false, "2P (RED) : 置ける場所がありません。パスします。"},
        {kPassForSide0, kSide1, true, "1P (ONIGIRI) : 置ける場所がありません。パスします。"},
        {kPassForSide1, kSide0, true, "2P (SUSHI) : 置ける場所がありません。パスします。"},
    };
    for (const Case& c : cases) {
        FlowHarness h;
        h.options.imagePattern = c.onigiri ? 2 : 0;
        h.Load(c.rows, c.mover);
        h.Click(8, 8);
        EXPECT_EQ(h.view.boxes, (std::vector<Box>{{Box::Information, c.passMessage}}));
        EXPECT_EQ(h.game.Turn, c.mover) << "the turn returns to the side that moved";
        EXPECT_EQ(h.game.GameState, 1);
        EXPECT_EQ(h.view.status.mover, h.game.Player[c.mover].Name);
    }
}

struct EndCase {
    const char* name;
    Rows rows;
    bool onePlayer;
    std::string score;
    std::uint8_t imagePattern = 0;
};

// Cases print as their names in test listings.
void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

class GameEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(GameEnd, GameOverBoxThenScoreBox) {
    FlowHarness h;
    h.options.onePlayer = GetParam().onePlayer;
    h.options.imagePattern = GetParam().imagePattern;
    for (int game = 1; game <= 2; ++game) {  // the second game counts afresh
        h.view.boxes.clear();
        h.Load(GetParam().rows, kSide0);
        h.Click(8, 8);
        EXPECT_EQ(h.view.boxes, (std::vector<Box>{{Box::Information, kGameOver},
                                                  {Box::Information, GetParam().score}}));
    }
    EXPECT_EQ(h.game.GameState, 0);
    EXPECT_EQ(h.game.Busy, 0);
    EXPECT_EQ(h.view.status.title, "VELTOR Ver2.0");
    EXPECT_EQ(h.view.status.mover, "");
    EXPECT_NE(h.view.clears, 1) << "the final position stays on the board";
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GameEnd,
                         ::testing::Values(EndCase{"FullBoard",
                                                   {"GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG",
                                                    "RRRRRRRR", "RRRRRRRR", "RRRRRRRR", "RRRRRRR."},
                                                   false,
                                                   "1P (GREEN)  39  対  2P (RED)  25"},
                                           EndCase{"WipeOut",
                                                   {"........", "........", "........", "........",
                                                    "........", "........", "........", "....GRR."},
                                                   true,
                                                   "YOU (GREEN)  4  対  COM (RED)  0"},
                                           EndCase{"OnigiriWipeOut",
                                                   {"........", "........", "........", "........",
                                                    "........", "........", "........", "....GRR."},
                                                   true,
                                                   "YOU (ONIGIRI)  4  対  COM (SUSHI)  0",
                                                   2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Two people clicking, each always the first legal cell, until the game ends by itself.
TEST(WholeGame, TwoPlayersClickToTheEnd) {
    FlowHarness h;
    h.flow.StartGameClick();
    Board reference = h.game.board;
    Cell mover = kSide0;
    int moves = 0;
    while (h.game.GameState == 1) {
        ASSERT_LT(++moves, 100);
        ASSERT_EQ(h.game.Turn, mover);
        const auto cell = FirstLegalCell(reference, mover);
        ASSERT_TRUE(cell.has_value()) << "the flow let a side without moves play";
        ReferencePlay(reference, cell->first, cell->second, mover);
        h.Click(cell->first, cell->second);
        ASSERT_EQ(h.Board(), ToAscii(reference));
        mover = Opponent(mover);
        if (!FirstLegalCell(reference, mover)) mover = Opponent(mover);
    }
    EXPECT_FALSE(FirstLegalCell(reference, kSide0) || FirstLegalCell(reference, kSide1));
    EXPECT_EQ(h.game.Player[0].Count, CountStones(reference, kSide0));
    EXPECT_EQ(h.game.Player[1].Count, CountStones(reference, kSide1));
    EXPECT_EQ(h.view.boxes.back().text, "1P (GREEN)  " + std::to_string(h.game.Player[0].Count) +
                                            "  対  2P (RED)  " +
                                            std::to_string(h.game.Player[1].Count));
}

// Commands chosen while a move waits between frames take the board over; the move stops.
TEST(Interruptions, ClearGameDuringAMoveLeavesAnEmptyIdleBoard) {
    FlowHarness h;
    h.Load(kOpening, kSide0);
    h.view.onPause = [&](std::size_t index) {
        if (index == 2) h.flow.ClearGameClick();
    };
    h.Click(5, 3);
    EXPECT_EQ(h.Board(), ToAscii(kEmptyRows));
    EXPECT_EQ(h.game.GameState, 0);
    EXPECT_EQ(h.game.Busy, 0);
    EXPECT_EQ(h.game.Turn, kSide0) << "the interrupted move never handed the turn over";
    EXPECT_EQ(h.view.turned.size(), 1u);
    EXPECT_EQ(h.view.pauses.size(), 3u);
    EXPECT_TRUE(RingIsEmpty(h.game.board));
}

TEST(Interruptions, StartGameDuringTheOpeningGivesOneCleanOpening) {
    FlowHarness h;
    h.view.onPause = [&](std::size_t index) {
        if (index == 7) h.flow.StartGameClick();
    };
    h.flow.StartGameClick();
    EXPECT_EQ(h.Board(), ToAscii(kOpening));
    EXPECT_EQ(h.game.GameState, 1);
    EXPECT_EQ(h.game.Busy, 0);
    EXPECT_EQ(h.view.clears, 2);
    EXPECT_EQ(h.view.turned.size(), 2u + 4u);
}

TEST(Interruptions, AbandonedMoveShowsNoBoxAfterwards) {
    FlowHarness h;
    h.Load({"........", "........", "........", "........", "........", "........", "........",
            "....GRR."},
           kSide0);
    h.view.onPause = [&](std::size_t index) {
        if (index == 0) h.flow.AbandonRunningMoves();  // the program is closing
    };
    h.Click(8, 8);
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_EQ(h.view.pauses.size(), 1u);
}

}  // namespace
}  // namespace zorvel::testing
