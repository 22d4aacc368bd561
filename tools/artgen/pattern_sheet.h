#pragma once

#include <QImage>

namespace zorvel::artwork {

// The whole pattern file: 3 sets (Normal, Star, Onigiri) of 11 frames, 440 x 120 cell pixels,
// opaque. Drawn from the shapes at `scale` device pixels per cell pixel (880 x 240 at 2), with that
// device pixel ratio.
QImage PatternSheet(int scale);

// One set's row of the sheet, 440 x 40 cell pixels.
QImage SetStrip(const QImage& sheet, int set);

// Frame `frame` of set `set`, 40 x 40 cell pixels.
QImage Frame(const QImage& sheet, int set, int frame);

}  // namespace zorvel::artwork
