#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace zorvel::ui {

inline constexpr int kCellPixels = 40;
inline constexpr int kImageSets = 3;
inline constexpr int kFramesPerSet = 11;
inline const QString kPatternFile = QStringLiteral("ZorPatn.bmp");

// The frames of all image sets, number set * 11 + frame, 40 x 40 each, teal made transparent.
using ImageList = std::vector<QImage>;

// Reads the pattern file (a BMP of at least 440 x 120 pixels) and cuts it into the image list.
// Throws std::runtime_error with the text of the error box when the file cannot be used.
ImageList LoadPieceImages(const QString& path);

// Cuts an already decoded pattern picture into the image list.
ImageList CutFrames(const QImage& pattern);

}  // namespace zorvel::ui
