#include "icons.h"

#include <QPainter>

#include "disc_piece.h"

namespace zorvel::artwork {

namespace {

// The stone tilted towards the viewer shows its thickness below its face.
constexpr double kTilt = 0.86;
const QPointF kEdge{0.0, 3.0};
// The tilted stone with its edge spans about this much of the 40-pixel cell, around this point.
constexpr double kExtent = 34.5;
const QPointF kMiddle{20.0, 22.0};

}  // namespace

QImage StoneIcon(int side, int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.translate(size / 2.0, size / 2.0);
    painter.scale(size / kExtent, size / kExtent * kTilt);
    painter.translate(-kMiddle);
    PiecePose pose;
    pose.side = side;
    pose.edge = kEdge;
    PaintPiece(painter, DiscPiece(), pose, false);
    return icon;
}

}  // namespace zorvel::artwork
