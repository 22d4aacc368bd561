#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace zorvel::artwork {

// The picture of one image set's two pieces, drawn in the coordinates of a 40 x 40 cell.
class Piece {
  public:
    virtual ~Piece() = default;

    // The piece's silhouette: where it covers the board and casts its shadow.
    virtual QPainterPath Outline(int side) const = 0;
    // The colour of the piece's edge, seen while it is turned half over.
    virtual QColor EdgeColour(int side) const = 0;
    // The piece's upper face, antialiased over whatever the painter already holds.
    virtual void PaintFace(QPainter& painter, int side) const = 0;
};

// How a piece shows in one frame of its turn.
struct PiecePose {
    int side = 0;
    double width = 1.0;  // 1 lies flat; towards 0 the piece stands on its edge.
    double lift = 0.0;   // pixels above the board
    QPointF edge;        // where the piece's edge shows beside its face
};

// Draws the piece in its pose, with its soft shadow when `shadow` is set.
void PaintPiece(QPainter& painter, const Piece& piece, const PiecePose& pose, bool shadow);

}  // namespace zorvel::artwork
