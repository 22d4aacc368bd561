#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "board.h"

namespace zorvel {

struct PlayerRecord {
    std::string Name;        // at most 13 characters, set by the status update
    std::uint8_t Count = 0;  // stones at the end of the last game
};

// The game's data, alive for the whole run. The three state bytes are 0 or 1:
// GameState 1 while a game runs, Busy 1 while a move is carried out, Turn the side to move.
struct GameData {
    Board board;
    std::uint8_t GameState = 0;
    std::uint8_t Busy = 0;
    std::uint8_t Turn = 0;
    std::array<PlayerRecord, 2> Player;
};

}  // namespace zorvel
