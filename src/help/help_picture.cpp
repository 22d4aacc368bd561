#include "help_picture.h"

#include <QBuffer>
#include <QImageReader>

namespace zorvel::help {

QImage DecodePicture(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    static const QList<QByteArray> kKinds{"png", "gif", "jpeg", "bmp"};
    if (!kKinds.contains(reader.format())) return {};
    const QSize size = reader.size();
    if (!size.isValid() || qint64{size.width()} * size.height() > kMaxPicturePixels) return {};
    return reader.read();
}

// Never a null image: for one, the text layout would read the picture's name from the disk itself.
QImage MissingPicture() {
    static const QImage missing(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-16.png"));
    return missing;
}

}  // namespace zorvel::help
