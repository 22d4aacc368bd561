#include "page_pictures.h"

#include <QPainter>
#include <QTextFormat>

namespace zorvel::help {

PagePictures::PagePictures(Source source, QObject* parent)
    : QObject(parent), source_(std::move(source)) {}

QSizeF PagePictures::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
    const QTextImageFormat image = format.toImageFormat();
    const bool hasWidth = image.hasProperty(QTextFormat::ImageWidth);
    const bool hasHeight = image.hasProperty(QTextFormat::ImageHeight);
    const int width = qRound(image.width());
    const int height = qRound(image.height());
    if (hasWidth && hasHeight) return QSizeF(width, height);
    const QSizeF own = PictureOf(format).deviceIndependentSize();
    if (hasWidth) return QSizeF(width, qRound(width * own.height() / own.width()));
    if (hasHeight) return QSizeF(qRound(height * own.width() / own.height()), height);
    return own;
}

void PagePictures::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                              const QTextFormat& format) {
    const QImage picture = PictureOf(format);
    painter->drawImage(rect, picture, picture.rect());
}

QImage PagePictures::PictureOf(const QTextFormat& format) const {
    return source_(QUrl(format.toImageFormat().name()));
}

}  // namespace zorvel::help
