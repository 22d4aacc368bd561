#pragma once

#include <QByteArray>
#include <QImage>

namespace zorvel::help {

// The most pixels a help page's picture may have: four times the largest of the program's own, at
// twice their resolution. A picture that claims more is not decoded, so that a few bytes of a help
// file cannot ask for gigabytes.
inline constexpr qint64 kMaxPicturePixels = 2048 * 2048;

// A picture read from the help file, decoded only when it is of a kind a help file holds (PNG,
// GIF, JPEG or BMP: none that reads other files) and its header claims at most kMaxPicturePixels;
// a null image otherwise.
QImage DecodePicture(const QByteArray& data);

// What a page shows in place of a picture it cannot have: Qt's own sign for one.
QImage MissingPicture();

}  // namespace zorvel::help
