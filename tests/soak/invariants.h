#pragma once

// What must hold of the main window whatever the user did: each check returns an empty string
// when it holds, else what is wrong.
#include <string>
#include <utility>
#include <vector>

#include "form_vel.h"
#include "game_data.h"

namespace zorvel::soak {

std::vector<std::pair<int, int>> LegalCells(const Board& board, Cell side);
bool CanMove(const Board& board, Cell side);

// At any moment, also between two frames of a move: the ring is empty, the playing cells hold
// 0-2 and the state bytes 0 or 1.
std::string CheckAlways(const GameData& game);

// Once no move runs: Busy is 0; every cell shows the resting frame of its value in the set that
// drew it last (the empty cell of the first set when empty); the status bar tells the state; and
// a running game has a move for the side to move.
std::string CheckAtRest(const ui::TFormVel& form, const ui::BoardPicture& picture);

// The score box's text for the board as it stands, with the sides' current names.
std::string ExpectedScore(const GameData& game);

}  // namespace zorvel::soak
