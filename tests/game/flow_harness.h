#pragma once

// A game flow with a window-less view that records what a window would have shown.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ascii_board.h"
#include "game_flow.h"
#include "recording_turner.h"

namespace zorvel::testing {

struct Box {
    enum Kind { Question, Information } kind;
    std::string text;
    bool operator==(const Box&) const = default;
};

struct FakeOptions : Options {
    bool onePlayer = false;
    bool side0First = true;
    std::uint8_t imagePattern = 0;
    bool OnePlayerMode() const override { return onePlayer; }
    bool Side0First() const override { return side0First; }
    std::uint8_t ImagePattern() const override { return imagePattern; }
};

struct FakeLog : DebugLog {
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

inline constexpr const char* kStoneSound = "ZorTurn0.wav";
inline constexpr const char* kComputerSound = "ZorTurn1.wav";

class FakeView : public GameView {
  public:
    bool Ask(const std::string& question) override {
        boxes.push_back({Box::Question, question});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Inform(const std::string& text) override { boxes.push_back({Box::Information, text}); }
    void ShowEmptyBoard() override { ++clears; }
    // The sound, then five frames, each followed by a wait: the window's order of things.
    void AnimateStone(int x, int y, Cell value, const MoveWatch& move) override {
        turned.emplace_back(x, y, value);
        if (sound) sounds.emplace_back(kStoneSound);
        for (int frame = 0; frame < 5; ++frame) {
            Wait(100);
            if (move.Abandoned()) return;
        }
    }
    void ShowStatus(const StatusTexts& texts) override { status = texts; }
    void PlayComputerSound() override {
        if (sound) sounds.emplace_back(kComputerSound);
    }
    // Runs the hook with the number of this wait, so tests can act in the middle of a move.
    void Wait(unsigned ms) override {
        pauses.push_back(ms);
        if (onPause) onPause(pauses.size() - 1);
    }

    bool sound = true;
    std::deque<bool> answers;  // for question boxes; Yes once they run out
    std::vector<Box> boxes;
    std::vector<Turned> turned;
    std::vector<std::string> sounds;
    std::vector<unsigned> pauses;
    std::function<void(std::size_t pauseIndex)> onPause;
    StatusTexts status;
    int clears = 0;
};

// The flow with its data open to the tests, which set up positions directly.
class FlowUnderTest : public GameFlow {
  public:
    using GameFlow::GameFlow;
    using GameFlow::WritableGame;
};

struct FlowHarness {
    FlowHarness() { flow.Computer().InitWeights(); }  // as the window's FormCreate does

    // Puts a running game in the given position with `turn` to move.
    void Load(const Rows& rows, Cell turn) {
        game.board = FromAscii(rows);
        game.GameState = 1;
        game.Busy = 0;
        game.Turn = turn;
        flow.UpdateStatus();
    }
    void Click(int x, int y) { flow.HumanMove(x, y); }
    std::string Board() const { return ToAscii(game.board); }

    FakeOptions options;
    FakeLog log;
    FakeView view;
    FlowUnderTest flow{view, options, log};
    GameData& game = flow.WritableGame();
};

}  // namespace zorvel::testing
