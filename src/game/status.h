#pragma once

#include <string>

#include "game_data.h"

namespace zorvel {

inline constexpr std::uint8_t kOnigiriPattern = 2;

// The texts of the three status panels.
struct StatusTexts {
    std::string title;  // panel 0
    std::string mover;  // panel 1
    std::string mode;   // panel 2
};

// Renames both sides from the game mode and image set, and returns the panels' texts.
StatusTexts UpdateNamesAndStatus(GameData& game, bool onePlayerMode, std::uint8_t imagePattern);

}  // namespace zorvel
