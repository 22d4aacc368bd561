#pragma once

// A game flow with a window-less view that records what a window would have shown.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ascii_board.h"
#include "game_flow.h"
#include "recording_turner.h"
#include "status.h"

namespace zorvel::testing {

struct Box {
    enum Kind { Question, Information } kind;
    std::string text;
    bool operator==(const Box&) const = default;
};

struct FakeOptions : Options {
    bool onePlayer = false;
    bool side0First = true;
    bool sound = true;
    bool highSpeed = false;
    bool OnePlayerMode() const override { return onePlayer; }
    bool Side0First() const override { return side0First; }
    bool SoundOn() const override { return sound; }
    bool HighSpeed() const override { return highSpeed; }
};

struct FakeLog : DebugLog {
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class FakeView : public GameView {
  public:
    FakeView(GameData& game, const FakeOptions& options) : game_(game), options_(options) {}
    void Attach(GameFlow& flow) { flow_ = &flow; }

    bool Ask(const std::string& question) override {
        boxes.push_back({Box::Question, question});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Inform(const std::string& text) override { boxes.push_back({Box::Information, text}); }
    void ClearBoard() override {
        ++clears;
        for (int y = 1; y <= 8; ++y)
            for (int x = 1; x <= 8; ++x) game_.board.Set(x, y, kEmpty);
    }
    // Five frames, each followed by a pause, then the value: the window's order of things.
    void TurnStone(int x, int y, Cell value) override {
        turned.emplace_back(x, y, value);
        if (options_.SoundOn()) sounds.emplace_back(kStoneSound);
        for (int frame = 0; frame < 5; ++frame) flow_->Pause(flow_->AnimationPause());
        game_.board.Set(x, y, value);
    }
    void UpdateStatus() override { status = UpdateNamesAndStatus(game_, options_.OnePlayerMode()); }
    void PlaySound(const char* fileName) override { sounds.emplace_back(fileName); }
    // Runs the hook with the number of this pause, so tests can act in the middle of a move.
    void Pause(unsigned ms) override {
        pauses.push_back(ms);
        if (onPause) onPause(pauses.size() - 1);
    }

    std::deque<bool> answers;  // for question boxes; Yes once they run out
    std::vector<Box> boxes;
    std::vector<Turned> turned;
    std::vector<std::string> sounds;
    std::vector<unsigned> pauses;
    std::function<void(std::size_t pauseIndex)> onPause;
    StatusTexts status;
    int clears = 0;

  private:
    GameData& game_;
    const FakeOptions& options_;
    GameFlow* flow_ = nullptr;
};

struct FlowHarness {
    FlowHarness() {
        view.Attach(flow);
        flow.Computer().InitWeights();  // as the window's FormCreate does
    }

    // Puts a running game in the given position with `turn` to move.
    void Load(const Rows& rows, Cell turn) {
        game.board = FromAscii(rows);
        game.GameState = 1;
        game.Busy = 0;
        game.Turn = turn;
        view.UpdateStatus();
    }
    void Click(int x, int y) { flow.FormMouseDown(10 + (x - 1) * 40 + 20, 10 + (y - 1) * 40 + 20); }
    std::string Board() const { return ToAscii(game.board); }

    GameData game;
    FakeOptions options;
    FakeLog log;
    FakeView view{game, options};
    GameFlow flow{game, view, options, log};
};

}  // namespace zorvel::testing
