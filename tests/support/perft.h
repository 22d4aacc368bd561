#pragma once

// Counts the leaves of the move tree, the standard check that a move generator is complete and
// correct. Shared by the perft tests and the engine benchmarks.
#include <cstdint>

#include "board.h"
#include "rules.h"

namespace zorvel::testing {

// Stores each turned stone at once, without any animation.
class BoardWriter final : public StoneTurner {
  public:
    explicit BoardWriter(Board& board) : board_(board) {}
    void TurnStone(int x, int y, Cell value) override { board_.Set(x, y, value); }

  private:
    Board& board_;
};

// The published leaf counts from the opening position, by depth.
inline constexpr std::uint64_t kOpeningLeaves[] = {1,    4,    12,    56,     244,
                                                   1396, 8200, 55092, 390216, 3005288};

inline Board OpeningPosition() {
    Board board;
    board.Set(4, 4, kSide0);
    board.Set(5, 4, kSide1);
    board.Set(4, 5, kSide1);
    board.Set(5, 5, kSide0);
    return board;
}

inline bool HasMove(const Board& board, Cell side) {
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            if (TryMove(board, x, y, side) > 0) return true;
    return false;
}

// The leaf positions `depth` moves below `board` with `side` to move. A pass counts as a move;
// a finished game is a leaf, however many moves are left.
inline std::uint64_t Perft(const Board& board, Cell side, int depth) {
    if (depth == 0) return 1;
    std::uint64_t leaves = 0;
    bool moved = false;
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            if (TryMove(board, x, y, side) == 0) continue;
            moved = true;
            Board next = board;
            BoardWriter writer(next);
            TryMove(next, x, y, side, &writer);
            leaves += Perft(next, Opponent(side), depth - 1);
        }
    }
    if (moved) return leaves;
    if (HasMove(board, Opponent(side))) return Perft(board, Opponent(side), depth - 1);
    return 1;
}

}  // namespace zorvel::testing
