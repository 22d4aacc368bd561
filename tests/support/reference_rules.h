#pragma once

// A second, deliberately plain statement of the rules, to check the engine's results against.
#include <optional>
#include <utility>
#include <vector>

#include "board.h"

namespace zorvel::testing {

// The stones `side` would turn by playing (x, y), origin excluded.
inline std::vector<std::pair<int, int>> ReferenceFlips(const Board& board, int x, int y,
                                                       Cell side) {
    std::vector<std::pair<int, int>> flips;
    if (board.At(x, y) != kEmpty) return flips;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            std::vector<std::pair<int, int>> line;
            int cx = x + dx;
            int cy = y + dy;
            while (Board::OnField(cx, cy) && board.At(cx, cy) == Opponent(side)) {
                line.emplace_back(cx, cy);
                cx += dx;
                cy += dy;
            }
            if (!line.empty() && Board::OnField(cx, cy) && board.At(cx, cy) == side)
                flips.insert(flips.end(), line.begin(), line.end());
        }
    }
    return flips;
}

// The first legal cell of `side` in reading order (rows, then columns).
inline std::optional<std::pair<int, int>> FirstLegalCell(const Board& board, Cell side) {
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            if (!ReferenceFlips(board, x, y, side).empty()) return std::make_pair(x, y);
    return std::nullopt;
}

inline void ReferencePlay(Board& board, int x, int y, Cell side) {
    for (const auto& [fx, fy] : ReferenceFlips(board, x, y, side)) board.Set(fx, fy, side);
    board.Set(x, y, side);
}

inline int CountStones(const Board& board, Cell side) {
    int count = 0;
    for (int y = Board::kFirst; y <= Board::kLast; ++y)
        for (int x = Board::kFirst; x <= Board::kLast; ++x) count += board.At(x, y) == side ? 1 : 0;
    return count;
}

}  // namespace zorvel::testing
