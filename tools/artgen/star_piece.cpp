#include "star_piece.h"

#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "stone_colours.h"

namespace zorvel::artwork {

namespace {

const QPointF kCentre{20.0, 21.5};
constexpr double kOuterRadius = 18.0;
constexpr double kInnerRadius = 7.8;
constexpr int kCorners = 10;

// Towards the light, which stands to the upper left.
const QPointF kTowardsLight{-0.6, -0.8};

// The star's corners, outer and inner by turns, starting at the top point.
QPolygonF Corners() {
    QPolygonF corners;
    for (int i = 0; i < kCorners; ++i) {
        const double angle = std::numbers::pi * (i / 5.0 - 0.5);
        const double radius = i % 2 == 0 ? kOuterRadius : kInnerRadius;
        corners << kCentre + radius * QPointF(std::cos(angle), std::sin(angle));
    }
    return corners;
}

// A facet slopes down from the centre to one outer edge of the star; it is as bright as that
// edge faces the light.
QColor FacetColour(const StoneColours& colours, QPointF from, QPointF to) {
    const QPointF along = to - from;
    QPointF outward = QPointF(along.y(), -along.x()) / QLineF(from, to).length();
    if (QPointF::dotProduct(outward, (from + to) / 2.0 - kCentre) < 0.0) {
        outward = -outward;
    }
    const double light = 0.5 + 0.5 * QPointF::dotProduct(outward, kTowardsLight);
    return light < 0.5 ? Mix(colours.rim, colours.body, light * 2.0)
                       : Mix(colours.body, colours.highlight, (light - 0.5) * 1.2);
}

}  // namespace

QPainterPath StarPiece::Outline(int) const {
    QPainterPath path;
    path.addPolygon(Corners());
    path.closeSubpath();
    return path;
}

QColor StarPiece::EdgeColour(int side) const {
    return kStoneColours[side].edge;
}

void StarPiece::PaintFace(QPainter& painter, int side) const {
    const StoneColours& colours = kStoneColours[side];
    const QPolygonF corners = Corners();
    // Facets overlap by a hair so that no board shows through their shared sides.
    for (int i = 0; i < kCorners; ++i) {
        const QPointF from = corners[i];
        const QPointF to = corners[(i + 1) % kCorners];
        const QColor colour = FacetColour(colours, from, to);
        painter.setPen(QPen(colour, 0.4));
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({kCentre, from, to}));
    }
    painter.setPen(QPen(colours.edge, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(corners);
}

}  // namespace zorvel::artwork
