#pragma once

// Boards written as eight rows of eight characters: '.' empty, 'G' side 0, 'R' side 1.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "board.h"

namespace zorvel::testing {

using Rows = std::array<std::string_view, 8>;

inline Board FromAscii(const Rows& rows) {
    Board board;
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x) {
            const char c = rows[y - 1].at(x - 1);
            if (c == 'G') board.Set(x, y, kSide0);
            if (c == 'R') board.Set(x, y, kSide1);
        }
    }
    return board;
}

inline std::string ToAscii(const Board& board) {
    std::string text;
    for (int y = Board::kFirst; y <= Board::kLast; ++y) {
        for (int x = Board::kFirst; x <= Board::kLast; ++x)
            text += "GR.?"[std::min<int>(board.At(x, y), 3)];
        text += '\n';
    }
    return text;
}

inline std::string ToAscii(const Rows& rows) {
    return ToAscii(FromAscii(rows));
}

inline bool RingIsEmpty(const Board& board) {
    for (int i = 0; i < Board::kSide; ++i) {
        if (board.At(i, 0) != kEmpty || board.At(i, 9) != kEmpty || board.At(0, i) != kEmpty ||
            board.At(9, i) != kEmpty)
            return false;
    }
    return true;
}

}  // namespace zorvel::testing
