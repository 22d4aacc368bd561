#include "piece_images.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "bmp_header.h"

namespace zorvel::ui {
namespace {

constexpr QRgb kTeal = qRgb(0, 128, 128);
constexpr qint64 kMaxFileBytes = 4096LL * 4096 * 4 + 4096;

[[noreturn]] void FailToOpen(const QString& path, const QString& reason) {
    const QString text = QStringLiteral("ファイル \"%1\" は開けません。%2")
                             .arg(QDir::toNativeSeparators(path), reason);
    throw std::runtime_error(text.toStdString());
}

QImage MakeTealTransparent(const QImage& frame) {
    QImage image = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xff000000u) == kTeal) line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

}  // namespace

ImageList CutFrames(const QImage& pattern) {
    ImageList images;
    images.reserve(kImageSets * kFramesPerSet);
    for (int set = 0; set < kImageSets; ++set) {
        for (int frame = 0; frame < kFramesPerSet; ++frame) {
            images.push_back(MakeTealTransparent(
                pattern.copy(frame * kCellPixels, set * kCellPixels, kCellPixels, kCellPixels)));
        }
    }
    return images;
}

ImageList LoadPieceImages(const QString& path) {
    const QString fullPath = QDir::current().absoluteFilePath(path);
    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly)) FailToOpen(fullPath, file.errorString());
    if (file.size() > kMaxFileBytes) FailToOpen(fullPath, QStringLiteral("The file is too large"));
    const QByteArray bytes = file.readAll();
    const QString problem =
        CheckBmpHeader(bytes, kFramesPerSet * kCellPixels, kImageSets * kCellPixels);
    if (!problem.isEmpty()) FailToOpen(fullPath, problem);
    QImage pattern;
    if (!pattern.loadFromData(bytes, "BMP"))
        FailToOpen(fullPath, QStringLiteral("The file is not a BMP picture"));
    return CutFrames(pattern);
}

}  // namespace zorvel::ui
