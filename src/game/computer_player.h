#pragma once

#include <array>
#include <cstdint>

#include "board.h"
#include "debug_log.h"
#include "rules.h"

namespace zorvel {

// Side 1's one-move look-ahead: the legal cell of the highest positional weight, then the smallest
// move count, then the first in scan order. The weights live for the whole run: the window sets
// them once when it is created, so a new game keeps what the corners did to them.
class ComputerPlayer {
  public:
    using WeightTable = std::array<std::array<std::uint8_t, 8>, 8>;  // [x - 1][y - 1]

    void InitWeights();
    // Rewrites the weights around every occupied corner and logs the whole table.
    void AdjustCornerWeights(const Board& board, DebugLog& log);
    // Logs every legal candidate of side 1 and plays the best one, if there is any.
    void ComputerMove(const Board& board, StoneTurner& turner, DebugLog& log);

    std::uint8_t WeightAt(int x, int y) const { return Weight[x - 1][y - 1]; }
    std::uint8_t BestX = 0;
    std::uint8_t BestY = 0;
    std::uint8_t BestWeight = 0;
    std::uint8_t BestCount = 0;

  private:
    void SetWeight(int x, int y, std::uint8_t value) { Weight[x - 1][y - 1] = value; }

    WeightTable Weight{};
};

}  // namespace zorvel
