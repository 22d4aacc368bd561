#include "piece.h"

#include <QPainter>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "sheet_layout.h"
#include "soft_shadow.h"

namespace zorvel::artwork {

namespace {

// Narrows the cell's picture about its vertical centre line.
QTransform Narrowed(double width) {
    const double centre = kCellSize / 2.0;
    return QTransform().translate(centre, 0).scale(width, 1.0).translate(-centre, 0);
}

void PaintShadow(QPainter& painter, const QPainterPath& outline, double lift) {
    // A lifted piece throws its shadow further and softer.
    const QPainterPath cast =
        QTransform::fromTranslate(1.2 + 0.5 * lift, 1.8 + 0.6 * lift).map(outline);
    const int scale = qRound(painter.device()->devicePixelRatio());
    painter.drawImage(0, 0, SoftShadow(cast, 0.45 - 0.05 * lift, 1 + qRound(lift / 2), scale));
}

// The piece's thickness: its silhouette swept from the face towards `edge`.
void PaintEdge(QPainter& painter, const QPainterPath& outline, QPointF edge, const QColor& colour) {
    const int steps = qCeil(2.0 * std::max(std::abs(edge.x()), std::abs(edge.y())));
    for (int step = 1; step <= steps; ++step) {
        const QPointF at = edge * step / steps;
        painter.fillPath(QTransform::fromTranslate(at.x(), at.y()).map(outline), colour);
    }
}

}  // namespace

void PaintPiece(QPainter& painter, const Piece& piece, const PiecePose& pose, bool shadow) {
    const QTransform narrowed = Narrowed(pose.width);
    const QPainterPath outline = narrowed.map(piece.Outline(pose.side));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (shadow) {
        PaintShadow(painter, outline, pose.lift);
    }
    painter.translate(0, -pose.lift);
    PaintEdge(painter, outline, pose.edge, piece.EdgeColour(pose.side));
    painter.setTransform(narrowed, true);
    piece.PaintFace(painter, pose.side);
    painter.restore();
}

}  // namespace zorvel::artwork
