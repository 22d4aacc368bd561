#pragma once

#include <QRgb>

namespace zorvel::artwork {

// The pattern file: one row per image set, one 40 x 40 column per animation frame.
inline constexpr int kCellSize = 40;
inline constexpr int kFrameCount = 11;
inline constexpr int kSetCount = 3;

// Frame numbers the game gives a special meaning.
inline constexpr int kEmptyFrame = 0;
inline constexpr int kRestingFrame[2] = {1, 6};

// Pixels of this colour leave the cell as it was when the game draws a frame.
inline constexpr QRgb kKeyColour = 0xff008080;

}  // namespace zorvel::artwork
