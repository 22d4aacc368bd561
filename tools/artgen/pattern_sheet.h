#pragma once

#include <QImage>

namespace zorvel::artwork {

// The whole pattern file: 3 sets (Normal, Star, Onigiri) of 11 frames, 440 x 120, opaque.
QImage PatternSheet();

// One set's row of the sheet, 440 x 40.
QImage SetStrip(const QImage& sheet, int set);

// Frame `frame` of set `set`, 40 x 40.
QImage Frame(const QImage& sheet, int set, int frame);

}  // namespace zorvel::artwork
