#include "board_picture.h"

#include <QPainter>
#include <QtMath>

#include "board.h"

namespace zorvel::ui {

void BoardPicture::Create(ImageList images, qreal devicePixelRatio) {
    images_ = std::move(images);
    const int side = qCeil(kBoardPixels * devicePixelRatio);
    bitmap_.emplace(side, side, QImage::Format_RGB32);
    bitmap_->setDevicePixelRatio(devicePixelRatio);
    bitmap_->fill(Qt::white);
    for (auto& column : lastImage_) column.fill(kNoImage);
}

void BoardPicture::Draw(int x, int y, int image) {
    const bool known = image >= 0 && static_cast<std::size_t>(image) < images_.size();
    if (!bitmap_ || !known || !Board::OnField(x, y)) return;
    QPainter painter(&*bitmap_);
    // Frames of another resolution than the picture's, 2x ones at 1.5x, are scaled smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(CellOffset(x, y), images_[image]);
    lastImage_[x - 1][y - 1] = image;
}

}  // namespace zorvel::ui
