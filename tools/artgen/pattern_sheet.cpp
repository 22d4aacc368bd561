#include "pattern_sheet.h"

#include <QPainter>
#include <memory>

#include "disc_piece.h"
#include "food_piece.h"
#include "sheet_layout.h"
#include "star_piece.h"
#include "turn_frames.h"

namespace zorvel::artwork {

namespace {

// Shading can land on the key colour by chance; move such pixels one step off it, so that no
// frame turns transparent anywhere.
void AvoidKeyColour(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == kKeyColour) {
                image.setPixel(x, y, kKeyColour + 1);
            }
        }
    }
}

// The part of the sheet at (x, y) of w x h cell pixels; the copy keeps the device pixel ratio.
QImage Part(const QImage& sheet, int x, int y, int w, int h) {
    const int scale = qRound(sheet.devicePixelRatio());
    return sheet.copy(x * scale, y * scale, w * scale, h * scale);
}

}  // namespace

QImage PatternSheet(int scale) {
    const std::unique_ptr<Piece> pieces[kSetCount] = {std::make_unique<DiscPiece>(),
                                                      std::make_unique<StarPiece>(),
                                                      std::make_unique<FoodPiece>()};
    QImage sheet(kFrameCount * kCellSize * scale, kSetCount * kCellSize * scale,
                 QImage::Format_RGB32);
    sheet.setDevicePixelRatio(scale);
    QPainter painter(&sheet);
    for (int set = 0; set < kSetCount; ++set) {
        for (int frame = 0; frame < kFrameCount; ++frame) {
            painter.drawImage(frame * kCellSize, set * kCellSize,
                              RenderFrame(*pieces[set], frame, scale));
        }
    }
    painter.end();
    AvoidKeyColour(sheet);
    return sheet;
}

QImage SetStrip(const QImage& sheet, int set) {
    return Part(sheet, 0, set * kCellSize, kFrameCount * kCellSize, kCellSize);
}

QImage Frame(const QImage& sheet, int set, int frame) {
    return Part(sheet, frame * kCellSize, set * kCellSize, kCellSize, kCellSize);
}

}  // namespace zorvel::artwork
