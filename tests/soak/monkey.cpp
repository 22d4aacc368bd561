#include "monkey.h"

#include <cstdio>

#include "ascii_board.h"
#include "form_debug.h"
#include "invariants.h"
#include "reference_rules.h"

namespace zorvel::soak {

namespace {

constexpr unsigned kComputerWait = 1000;

// The board and the state bytes, to tell whether anything moved.
std::string GameSnapshot(const GameData& game) {
    return testing::ToAscii(game.board) + std::to_string(game.GameState) +
           std::to_string(game.Busy) + std::to_string(game.Turn);
}

}  // namespace

Monkey::Monkey(std::uint64_t seed, testing::WindowHarness& harness, debuglog::TFormDebug& debug,
               about::TAboutBox& about)
    : dice_(seed),
      harness_(harness),
      form_(*harness.form),
      debug_(debug),
      about_(about),
      judge_(dice_, form_, journal_),
      log_(debug, [this](const std::string& line) { CheckCandidate(line); }) {
    form_.AttachSecondaryWindows(this);
    harness_.Pacer().onPause = [this](std::size_t index) {
        AtPause(harness_.Pacer().pauses[index]);
    };
    harness_.Boxes().answer = [this](common::BoxKind kind, const QString& text) {
        return judge_.Answer(kind, text);
    };
    closed_ = QObject::connect(&form_, &ui::TFormVel::Closed, [this] { ++closedSignals_; });
}

Monkey::~Monkey() {
    QObject::disconnect(closed_);
    harness_.Boxes().answer = nullptr;
    harness_.Pacer().onPause = nullptr;
    form_.AttachSecondaryWindows(nullptr);
}

void Monkey::Run(long events) {
    limit_ = events;
    while (!Done()) {
        Act();
        // The menu stayed open while the move ran; the user picks from it now.
        if (pending_) PickPending();
        journal_.Fail(CheckAlways(form_.Game()));
        journal_.Fail(CheckAtRest(form_, harness_.Picture()));
        if (closedSignals_ != 0) journal_.Fail("the program closed although no one agreed");
        harness_.Pacer().pauses.clear();
        harness_.Sound().played.clear();
    }
}

void Monkey::Act() {
    static constexpr struct {
        void (Monkey::*run)();
        int weight;
    } kEvents[] = {
        {&Monkey::ClickLegalCell, 30},
        {&Monkey::ClickAnywhere, 12},
        {&Monkey::Tick, 20},
        {&Monkey::ChooseMenuItem, 20},
        {&Monkey::ChooseMenuItemSlowly, 3},
        {&Monkey::TickUnderPopup, 1},
        {&Monkey::PressKey, 6},
        {&Monkey::CloseSecondaryWindows, 1},
        {&Monkey::EditDebugMemo, 1},
        {&Monkey::RequestClose, 2},
    };
    (this->*dice_.From(kEvents).run)();
}

// Between two frames of a move, or in the computer's wait: the user may do anything here.
void Monkey::AtPause(unsigned ms) {
    const long takeovers = judge_.Takeovers();
    journal_.Fail(CheckAlways(form_.Game()));
    if (pending_) {
        if (--pending_->pausesLeft <= 0) PickPending();
    } else if (journal_.depth < kMaxDepth && !Done() && dice_.Chance(kInjectChance)) {
        ++journal_.depth;
        Act();
        --journal_.depth;
        journal_.Fail(CheckAlways(form_.Game()));
    }
    if (ms == kComputerWait && judge_.Takeovers() == takeovers) CheckComputerMayChoose();
}

void Monkey::ExpectNoMove(const std::string& while_, void (Monkey::*what)()) {
    const std::string before = GameSnapshot(form_.Game());
    ++journal_.depth;
    (this->*what)();
    --journal_.depth;
    if (GameSnapshot(form_.Game()) != before) journal_.Fail("the game moved on " + while_);
}

// The computer's wait is over and no command took the board over: its move comes now.
void Monkey::CheckComputerMayChoose() {
    const GameData& game = form_.Game();
    if (game.GameState != 1 || game.Turn != kSide1 || !CanMove(game.board, kSide1))
        journal_.Fail("the computer is about to move with GameState " +
                      std::to_string(game.GameState) + ", Turn " + std::to_string(game.Turn) +
                      (CanMove(game.board, kSide1) ? "" : " and no legal move"));
}

// Every candidate the computer writes to its log is a legal move on the board it sees.
void Monkey::CheckCandidate(const std::string& line) {
    int x = 0;
    int y = 0;
    if (std::sscanf(line.c_str(), "X:%d Y:%d", &x, &y) != 2) return;
    if (testing::ReferenceFlips(form_.Game().board, x, y, kSide1).empty())
        journal_.Fail("the computer lists an illegal move: " + line);
}

}  // namespace zorvel::soak
