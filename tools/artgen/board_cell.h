#pragma once

#include <QImage>

namespace zorvel::artwork {

// One empty square of the board: pale wood with a bevelled edge. Every set shares it, so a stone
// of any set sits on the same board the game clears to.
QImage BoardCell();

}  // namespace zorvel::artwork
