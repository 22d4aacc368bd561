#pragma once

#include <QByteArray>
#include <QString>

namespace zorvel::ui {

// Checks a BMP file's bytes against its own header before any decoder sees them: the picture must
// be at least minWidth x minHeight, of a sane size, uncompressed and complete. Returns an empty
// string when it may be decoded, else why not.
QString CheckBmpHeader(const QByteArray& bytes, int minWidth, int minHeight);

}  // namespace zorvel::ui
