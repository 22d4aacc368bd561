#pragma once

#include <QImage>

namespace zorvel::artwork {

// The board as a new game shows it, 320 x 320 cell pixels: the four opening stones of the Normal
// set on the empty squares, at the sheet's device pixel ratio (640 x 640 pixels from a 2x sheet).
QImage OpeningBoard(const QImage& sheet);

}  // namespace zorvel::artwork
