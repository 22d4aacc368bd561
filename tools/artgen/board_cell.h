#pragma once

#include <QImage>

namespace zorvel::artwork {

// One empty square of the board: pale wood with a bevelled edge. Every set shares it, so a stone
// of any set sits on the same board the game clears to. Drawn at `scale` device pixels per cell
// pixel, with that device pixel ratio, so painting on it still works in cell pixels.
QImage BoardCell(int scale);

}  // namespace zorvel::artwork
