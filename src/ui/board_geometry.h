#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

#include "board.h"

namespace zorvel::ui {

// Where the board lies in the client area and how large its cells are, in board pixels: the
// drawing, the clicks and the screen readers' cells all measure the board by these.
inline constexpr int kBoardLeft = 10;
inline constexpr int kBoardTop = 10;
inline constexpr int kCellPixels = 40;
inline constexpr int kBoardPixels = 8 * kCellPixels;
// The client area: the board with its margin either side, and room below for the status bar.
inline constexpr int kClientWidth = kBoardLeft + kBoardPixels + kBoardLeft;
inline constexpr int kClientHeight = 360;

// The top left corner of cell (x, y), 1-8 each, in the board picture.
inline QPoint CellOffset(int x, int y) {
    return {(x - 1) * kCellPixels, (y - 1) * kCellPixels};
}

// The square of cell (x, y), 1-8 each, in the client area.
inline QRect CellSquare(int x, int y) {
    return {QPoint(kBoardLeft, kBoardTop) + CellOffset(x, y), QSize(kCellPixels, kCellPixels)};
}

// The column or row (1-8) of a click coordinate, for a board whose edge lies at `boardEdge`:
// truncated toward zero, so the margin before the board counts as 1; 0 off the board.
inline int CellFromPixel(double pixel, int boardEdge) {
    const double cell = std::trunc((pixel - boardEdge) / kCellPixels) + 1.0;
    return cell >= Board::kFirst && cell <= Board::kLast ? static_cast<int>(cell) : 0;
}

}  // namespace zorvel::ui
