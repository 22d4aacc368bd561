#include "help_images.h"

#include <QPainter>

#include "pattern_sheet.h"
#include "sheet_layout.h"

namespace zorvel::artwork {

namespace {

constexpr int kBoardCells = 8;

struct Stone {
    int column;  // 1-8
    int row;     // 1-8
    int side;
};

constexpr Stone kOpening[] = {{4, 4, 0}, {5, 4, 1}, {4, 5, 1}, {5, 5, 0}};

}  // namespace

QImage OpeningBoard(const QImage& sheet) {
    constexpr int kNormalSet = 0;
    const int scale = qRound(sheet.devicePixelRatio());
    QImage board(kBoardCells * kCellSize * scale, kBoardCells * kCellSize * scale,
                 QImage::Format_RGB32);
    board.setDevicePixelRatio(scale);
    QPainter painter(&board);
    const QImage empty = Frame(sheet, kNormalSet, kEmptyFrame);
    for (int row = 0; row < kBoardCells; ++row) {
        for (int column = 0; column < kBoardCells; ++column) {
            painter.drawImage(column * kCellSize, row * kCellSize, empty);
        }
    }
    for (const Stone& stone : kOpening) {
        painter.drawImage((stone.column - 1) * kCellSize, (stone.row - 1) * kCellSize,
                          Frame(sheet, kNormalSet, kRestingFrame[stone.side]));
    }
    return board;
}

}  // namespace zorvel::artwork
