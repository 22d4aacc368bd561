#include "icon_file.h"

#include <QBuffer>
#include <QDataStream>

namespace zorvel::artwork {
namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

}  // namespace

QByteArray IconFile(const QList<QImage>& images) {
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        pngs.append(Png(image));
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());  // reserved, an icon, the count
    quint32 offset = kHeaderSize + kEntrySize * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0; no palette; 1 colour plane of 32 bits a pixel.
        out << quint8(images[i].width() & 0xff) << quint8(images[i].height() & 0xff) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(pngs[i].size()) << offset;
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) {
        out.writeRawData(png.constData(), static_cast<int>(png.size()));
    }
    return file;
}

}  // namespace zorvel::artwork
