#pragma once

#include <QImage>

namespace zorvel::artwork {

// The board as a new game shows it, 320 x 320: the four opening stones of the Normal set on the
// empty squares.
QImage OpeningBoard(const QImage& sheet);

}  // namespace zorvel::artwork
