#pragma once

#include <QImage>

namespace zorvel::artwork {

// The picture as an 8-bit indexed image of at most `colours` colours, for icons of the old
// 16-colour kind. Pixels less than half covered become one fully transparent entry; the other
// entries are found by median cut over the covered pixels, so a picture that already has few
// enough colours keeps them exactly.
QImage ReduceColours(const QImage& image, int colours);

}  // namespace zorvel::artwork
