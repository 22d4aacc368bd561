#pragma once

#include <QImage>
#include <array>
#include <optional>

#include "piece_images.h"

namespace zorvel::ui {

inline constexpr int kNoImage = -1;

// The frames played when a cell becomes side 0, side 1 or empty, in order.
inline constexpr std::array<std::array<int, 5>, 3> FrameSeq{{
    {7, 8, 9, 10, 1},
    {2, 3, 4, 5, 6},
    {0, 0, 0, 0, 0},
}};

// The off-screen picture of the playing field (BoardBmp) and the image list it is drawn from.
// The window only ever receives copies of the whole picture, so it never flickers.
class BoardPicture {
  public:
    // Takes the image list and creates the white picture; before that nothing can be drawn. The
    // picture holds `devicePixelRatio` pixels per board pixel, so that frames of that many pixels
    // per board pixel land on the screen pixel for pixel.
    void Create(ImageList images, qreal devicePixelRatio = 1);
    bool Ready() const { return bitmap_.has_value(); }

    // Draws image `image` transparently into the square of cell (x, y), 1-8 each.
    void Draw(int x, int y, int image);

    // In device pixels; its size in board pixels is its deviceIndependentSize().
    const QImage* Bitmap() const { return bitmap_ ? &*bitmap_ : nullptr; }
    // The image last drawn into cell (x, y), or kNoImage.
    int LastImage(int x, int y) const { return lastImage_[x - 1][y - 1]; }

  private:
    ImageList images_;
    std::optional<QImage> bitmap_;
    std::array<std::array<int, 8>, 8> lastImage_{};
};

}  // namespace zorvel::ui
