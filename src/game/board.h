#pragma once

#include <array>

#include "cell.h"

namespace zorvel {

// The eight search directions: up, up-right, right, down-right, down, down-left, left, up-left.
inline constexpr std::array<int, 8> DirX{0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr std::array<int, 8> DirY{-1, -1, 0, 1, 1, 1, 0, -1};

// The 8 x 8 playing field inside a ring of cells that always stay empty, so that a walk from any
// playing cell stops at the edge without a bounds test. Columns x and rows y run 0-9; 1-8 play.
class Board {
  public:
    static constexpr int kSide = 10;
    static constexpr int kFirst = 1;
    static constexpr int kLast = 8;

    Board() { cells_.fill(kEmpty); }

    static constexpr bool OnField(int x, int y) {
        return x >= kFirst && x <= kLast && y >= kFirst && y <= kLast;
    }
    static constexpr bool InArray(int x, int y) {
        return x >= 0 && x < kSide && y >= 0 && y < kSide;
    }

    // Any cell of the array, ring included; outside the array reads as empty.
    Cell At(int x, int y) const { return InArray(x, y) ? cells_[Index(x, y)] : kEmpty; }

    // Only playing cells are ever written; anything else is a fault of the caller.
    void Set(int x, int y, Cell value);

  private:
    // Stored column by column: x, the first coordinate of every call, picks the column, as in an
    // array indexed [x][y]. Only At and Set see the order; nothing else depends on it.
    static constexpr int Index(int x, int y) { return y + kSide * x; }

    std::array<Cell, kSide * kSide> cells_{};
};

}  // namespace zorvel
