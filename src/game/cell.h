#pragma once

#include <cstdint>

namespace zorvel {

// The value of one cell, also used as the number of a side.
using Cell = std::uint8_t;

inline constexpr Cell kSide0 = 0;  // green: 1P or YOU
inline constexpr Cell kSide1 = 1;  // red: 2P or COM, the computer in 1P mode
inline constexpr Cell kEmpty = 2;

inline constexpr Cell Opponent(Cell side) {
    return static_cast<Cell>((side + 1) % 2);
}

}  // namespace zorvel
