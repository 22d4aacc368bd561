#pragma once

#include "piece.h"

namespace zorvel::artwork {

// The Onigiri set: side 0 is a rice ball with its strip of nori on a bamboo leaf, side 1 a piece
// of salmon nigiri.
class FoodPiece : public Piece {
  public:
    QPainterPath Outline(int side) const override;
    QColor EdgeColour(int side) const override;
    void PaintFace(QPainter& painter, int side) const override;
};

}  // namespace zorvel::artwork
