#include "soft_shadow.h"

#include <QPainter>
#include <vector>

#include "sheet_layout.h"

namespace zorvel::artwork {

namespace {

// One box-blur pass over the alpha channel, along rows or along columns.
void BlurAlpha(QImage& image, int radius, bool alongRows) {
    const int size = image.width();
    std::vector<int> line(size);
    for (int a = 0; a < size; ++a) {
        for (int b = 0; b < size; ++b) {
            line[b] = qAlpha(alongRows ? image.pixel(b, a) : image.pixel(a, b));
        }
        for (int b = 0; b < size; ++b) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int at = b + k;
                sum += (at >= 0 && at < size) ? line[at] : 0;
            }
            const int alpha = sum / (2 * radius + 1);
            const QRgb value = qPremultiply(qRgba(0, 0, 0, alpha));
            if (alongRows) {
                image.setPixel(b, a, value);
            } else {
                image.setPixel(a, b, value);
            }
        }
    }
}

}  // namespace

QImage SoftShadow(const QPainterPath& shape, double opacity, int radius, int scale) {
    QImage shadow(kCellSize * scale, kCellSize * scale, QImage::Format_ARGB32_Premultiplied);
    shadow.setDevicePixelRatio(scale);
    shadow.fill(Qt::transparent);
    {
        QPainter painter(&shadow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, QColor(0, 0, 0, qRound(255 * opacity)));
    }
    // Two passes of a box blur come close enough to a gaussian at this size.
    for (int pass = 0; pass < 2; ++pass) {
        BlurAlpha(shadow, radius * scale, true);
        BlurAlpha(shadow, radius * scale, false);
    }
    return shadow;
}

}  // namespace zorvel::artwork
