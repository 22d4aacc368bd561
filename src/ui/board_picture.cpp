#include "board_picture.h"

#include <QPainter>

namespace zorvel::ui {

void BoardPicture::Create(ImageList images) {
    images_ = std::move(images);
    bitmap_.emplace(kBoardPixels, kBoardPixels, QImage::Format_RGB32);
    bitmap_->fill(Qt::white);
    for (auto& column : lastImage_) column.fill(kNoImage);
}

void BoardPicture::Draw(int x, int y, int image) {
    const bool known = image >= 0 && static_cast<std::size_t>(image) < images_.size();
    if (!bitmap_ || !known || x < 1 || x > 8 || y < 1 || y > 8) return;
    QPainter painter(&*bitmap_);
    painter.drawImage(QPoint((x - 1) * kCellPixels, (y - 1) * kCellPixels), images_[image]);
    lastImage_[x - 1][y - 1] = image;
}

}  // namespace zorvel::ui
