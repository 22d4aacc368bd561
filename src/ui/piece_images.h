#pragma once

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "board_geometry.h"

namespace zorvel::ui {

inline constexpr int kImageSets = 3;
inline constexpr int kFramesPerSet = 11;
inline const QString kPatternFile = QStringLiteral("ZorPatn.bmp");

// The frames of all image sets, number set * 11 + frame, 40 x 40 board pixels each, teal made
// transparent. Frames cut from the high-resolution file carry its device pixel ratio of 2.
using ImageList = std::vector<QImage>;

// Reads the pattern file (a BMP of at least 440 x 120 pixels) and cuts it into the image list.
// Throws std::runtime_error with the text of the error box when the file cannot be used.
ImageList LoadPieceImages(const QString& path);

// Cuts an already decoded pattern picture, drawn at `scale` pixels per board pixel, into the
// image list.
ImageList CutFrames(const QImage& pattern, int scale = 1);

// The frames for a window of the given device pixel ratio.
struct PieceImages {
    ImageList frames;
    bool highResolution = false;  // cut from the twin
    // Why the twin could not be read, as the error box says it; the frames are then the 1x ones.
    std::string twinError;
};

// Above a ratio of 1, the frames come from the twin when it lies beside the pattern file, is
// exactly twice its size and is not older than it: a player's own pattern file is then never
// shown with the stock stones. Otherwise, and when the twin cannot be read, they come from the
// pattern file as LoadPieceImages reads it, which throws as that does.
PieceImages LoadPieceImagesFor(const QString& path, qreal devicePixelRatio);

}  // namespace zorvel::ui
