#include "food_piece.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

namespace zorvel::artwork {

namespace {

constexpr int kOnigiri = 0;

// A polygon whose corners are rounded off over `radius` pixels of each side.
QPainterPath RoundedPolygon(const QPolygonF& corners, double radius) {
    QPainterPath path;
    const int count = static_cast<int>(corners.size());
    for (int i = 0; i < count; ++i) {
        const QPointF corner = corners[i];
        const QLineF in(corner, corners[(i + count - 1) % count]);
        const QLineF out(corner, corners[(i + 1) % count]);
        const QPointF start = in.pointAt(radius / in.length());
        const QPointF end = out.pointAt(radius / out.length());
        i == 0 ? path.moveTo(start) : path.lineTo(start);
        path.quadTo(corner, end);
    }
    path.closeSubpath();
    return path;
}

// --- Side 0: the rice ball on its leaf ---

QPainterPath Leaf() {
    QPainterPath leaf;
    leaf.moveTo(2.5, 36.0);
    leaf.quadTo(12.0, 11.0, 37.5, 5.5);
    leaf.quadTo(29.0, 30.0, 2.5, 36.0);
    return leaf;
}

QPainterPath RiceBall() {
    return RoundedPolygon(QPolygonF({{20.0, 5.5}, {35.5, 33.0}, {4.5, 33.0}}), 8.0);
}

void PaintLeaf(QPainter& painter) {
    QLinearGradient green(QPointF(8.0, 12.0), QPointF(30.0, 34.0));
    green.setColorAt(0.0, QColor(104, 178, 70));
    green.setColorAt(1.0, QColor(36, 110, 40));
    painter.fillPath(Leaf(), green);
    painter.setPen(QPen(QColor(170, 220, 120), 0.9));
    painter.drawLine(QPointF(3.5, 35.0), QPointF(36.5, 6.5));
}

void PaintRiceBall(QPainter& painter) {
    const QPainterPath ball = RiceBall();
    QRadialGradient rice(QPointF(20.0, 20.0), 17.0, QPointF(16.0, 14.0));
    rice.setColorAt(0.0, QColor(255, 255, 253));
    rice.setColorAt(0.7, QColor(240, 239, 230));
    rice.setColorAt(1.0, QColor(196, 194, 182));
    painter.fillPath(ball, rice);

    painter.save();
    painter.setClipPath(ball, Qt::IntersectClip);
    // A few grains catch the light.
    painter.setPen(QPen(QColor(206, 204, 192), 0.6));
    painter.setBrush(Qt::NoBrush);
    const QPointF grains[] = {{17.0, 12.0}, {23.0, 14.0}, {14.0, 19.0}, {26.0, 21.0},
                              {20.0, 17.5}, {10.0, 27.0}, {30.0, 27.5}};
    for (QPointF grain : grains) {
        painter.drawEllipse(grain, 1.6, 0.9);
    }
    // The nori wraps the bottom of the ball.
    QLinearGradient nori(QPointF(13.0, 0.0), QPointF(27.0, 0.0));
    nori.setColorAt(0.0, QColor(38, 52, 40));
    nori.setColorAt(0.4, QColor(62, 80, 62));
    nori.setColorAt(1.0, QColor(20, 30, 24));
    painter.fillRect(QRectF(14.0, 22.5, 12.0, 12.0), nori);
    painter.restore();
}

// --- Side 1: the salmon nigiri ---

// The nigiri lies slanted across the cell.
QTransform Slant() {
    return QTransform().translate(20.0, 20.0).rotate(-28.0).translate(-20.0, -20.0);
}

QPainterPath Rice() {
    QPainterPath rice;
    rice.addRoundedRect(QRectF(5.5, 16.0, 29.0, 15.0), 7.0, 7.0);
    return Slant().map(rice);
}

QPainterPath Fish() {
    QPainterPath fish;
    fish.moveTo(2.0, 18.0);
    fish.cubicTo(8.0, 8.0, 30.0, 8.0, 38.5, 16.0);
    fish.cubicTo(39.5, 20.0, 36.0, 25.0, 33.0, 26.0);
    fish.cubicTo(24.0, 23.0, 14.0, 23.0, 5.0, 27.0);
    fish.cubicTo(2.0, 25.0, 1.0, 21.0, 2.0, 18.0);
    return Slant().map(fish);
}

void PaintRice(QPainter& painter) {
    QLinearGradient rice(QPointF(20.0, 16.0), QPointF(20.0, 36.0));
    rice.setColorAt(0.0, QColor(252, 252, 246));
    rice.setColorAt(1.0, QColor(200, 198, 186));
    painter.fillPath(Rice(), rice);
}

void PaintFish(QPainter& painter) {
    const QPainterPath fish = Fish();
    QRadialGradient flesh(QPointF(18.0, 17.0), 20.0, QPointF(14.0, 12.0));
    flesh.setColorAt(0.0, QColor(255, 150, 110));
    flesh.setColorAt(0.6, QColor(238, 84, 50));
    flesh.setColorAt(1.0, QColor(180, 46, 30));
    painter.fillPath(fish, flesh);

    painter.save();
    painter.setClipPath(fish, Qt::IntersectClip);
    // The bands of fat that mark a salmon cut.
    painter.setPen(QPen(QColor(255, 214, 190, 210), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setTransform(Slant(), true);
    for (double x = 9.0; x < 36.0; x += 5.5) {
        QPainterPath band;
        band.moveTo(x - 3.0, 9.0);
        band.quadTo(x + 1.0, 16.0, x - 2.0, 27.0);
        painter.drawPath(band);
    }
    painter.restore();
}

}  // namespace

QPainterPath FoodPiece::Outline(int side) const {
    return side == kOnigiri ? Leaf().united(RiceBall()) : Rice().united(Fish());
}

QColor FoodPiece::EdgeColour(int side) const {
    return side == kOnigiri ? QColor(34, 84, 34) : QColor(150, 44, 30);
}

void FoodPiece::PaintFace(QPainter& painter, int side) const {
    if (side == kOnigiri) {
        PaintLeaf(painter);
        PaintRiceBall(painter);
    } else {
        PaintRice(painter);
        PaintFish(painter);
    }
}

}  // namespace zorvel::artwork
