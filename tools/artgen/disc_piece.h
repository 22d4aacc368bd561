#pragma once

#include "piece.h"

namespace zorvel::artwork {

// The Normal set: round, glossy stones, green for side 0 and red for side 1.
class DiscPiece : public Piece {
  public:
    QPainterPath Outline(int side) const override;
    QColor EdgeColour(int side) const override;
    void PaintFace(QPainter& painter, int side) const override;
};

}  // namespace zorvel::artwork
