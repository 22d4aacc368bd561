#pragma once

#include <tuple>
#include <vector>

#include "board.h"
#include "rules.h"

namespace zorvel::testing {

using Turned = std::tuple<int, int, Cell>;  // x, y, new value

// Turns stones at once, keeping the order in which they were turned.
class RecordingTurner : public StoneTurner {
  public:
    explicit RecordingTurner(Board& board) : board_(board) {}
    void TurnStone(int x, int y, Cell value) override {
        turned.emplace_back(x, y, value);
        board_.Set(x, y, value);
    }
    std::vector<Turned> turned;

  private:
    Board& board_;
};

}  // namespace zorvel::testing
