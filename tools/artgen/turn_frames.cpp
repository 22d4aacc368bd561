#include "turn_frames.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "board_cell.h"
#include "sheet_layout.h"

namespace zorvel::artwork {

namespace {

constexpr int kFramesPerTurn = 5;
constexpr double kThickness = 3.0;
constexpr double kHighestLift = 2.0;

}  // namespace

PiecePose TurnPose(int frame) {
    const int from = frame <= kFramesPerTurn ? 0 : 1;
    const int step = (frame - 1) % kFramesPerTurn;
    // The piece rolls about its vertical axis through half a turn in even steps.
    const double angle = std::numbers::pi * step / kFramesPerTurn;
    const bool pastEdge = step * 2 > kFramesPerTurn;
    PiecePose pose;
    pose.side = pastEdge ? 1 - from : from;
    pose.width = std::abs(std::cos(angle));
    pose.lift = kHighestLift * std::sin(angle);
    // The edge shows on the side turning towards the viewer, which swaps once past upright.
    pose.edge = QPointF((pastEdge ? 1.0 : -1.0) * kThickness * std::sin(angle), 0.0);
    return pose;
}

QImage RenderFrame(const Piece& piece, int frame, int scale) {
    QImage image = BoardCell(scale);
    if (frame != kEmptyFrame) {
        QPainter painter(&image);
        PaintPiece(painter, piece, TurnPose(frame), true);
    }
    return image;
}

}  // namespace zorvel::artwork
