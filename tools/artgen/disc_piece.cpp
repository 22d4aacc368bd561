#include "disc_piece.h"

#include <QPainter>
#include <QRadialGradient>

#include "stone_colours.h"

namespace zorvel::artwork {

namespace {

const QPointF kCentre{20.0, 20.5};
constexpr double kRadius = 16.0;

}  // namespace

QPainterPath DiscPiece::Outline(int) const {
    QPainterPath path;
    path.addEllipse(kCentre, kRadius, kRadius);
    return path;
}

QColor DiscPiece::EdgeColour(int side) const {
    return kStoneColours[side].edge;
}

void DiscPiece::PaintFace(QPainter& painter, int side) const {
    const StoneColours& colours = kStoneColours[side];
    // Lit from the upper left: the body brightens towards a point above and left of the centre.
    QRadialGradient body(kCentre, kRadius, kCentre + QPointF(-6.0, -7.0));
    body.setColorAt(0.0, colours.highlight);
    body.setColorAt(0.55, colours.body);
    body.setColorAt(0.9, colours.body.darker(125));
    body.setColorAt(1.0, colours.rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(kCentre, kRadius, kRadius);

    // A soft glint on the gloss.
    QRadialGradient glint(kCentre + QPointF(-5.5, -7.0), 6.0);
    glint.setColorAt(0.0, QColor(255, 255, 255, 190));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(glint);
    painter.drawEllipse(kCentre + QPointF(-5.5, -7.0), 6.0, 4.5);
}

}  // namespace zorvel::artwork
