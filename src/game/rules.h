#pragma once

#include <cstdint>

#include "board.h"

namespace zorvel {

// Whatever shows a cell changing: it animates the cell and then stores the value in the board.
// It is the only writer of a side's value into a cell.
class StoneTurner {
  public:
    virtual void TurnStone(int x, int y, Cell value) = 0;

  protected:
    ~StoneTurner() = default;
};

// Measures (turner == nullptr) or plays the move of `side` on (x, y). Returns 0 for an illegal
// move, else one per bracketing direction plus one per captured stone. When played, the origin is
// turned first, then the captured stones direction by direction, each from the origin outward.
std::uint8_t TryMove(const Board& board, int x, int y, Cell side, StoneTurner* turner = nullptr);

}  // namespace zorvel
