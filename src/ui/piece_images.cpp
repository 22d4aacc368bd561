#include "piece_images.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

#include "bmp_header.h"
#include "bounded_file.h"
#include "high_resolution_path.h"

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

// Reads a pattern picture drawn at `scale` pixels per board pixel, checked against its header
// first. Throws with the error box's text when it cannot be used.
QImage ReadPattern(const QString& path, int scale) {
    const QString fullPath = QDir::current().absoluteFilePath(path);
    common::RegularFile file(fullPath);
    if (!file.isOpen()) FailToOpen(fullPath, file.errorString());
    const std::optional<QByteArray> read = file.ReadAll(kMaxFileBytes);
    if (!read) FailToOpen(fullPath, QStringLiteral("The file is too large"));
    const QByteArray& bytes = *read;
    const QString problem = CheckBmpHeader(bytes, kFramesPerSet * kCellPixels * scale,
                                           kImageSets * kCellPixels * scale);
    if (!problem.isEmpty()) FailToOpen(fullPath, problem);
    QImage pattern;
    if (!pattern.loadFromData(bytes, "BMP"))
        FailToOpen(fullPath, QStringLiteral("The file is not a BMP picture"));
    return pattern;
}

// The twin belongs to the pattern file only if it was not made before it.
bool TwinIsCurrent(const QString& path, const QString& twin) {
    const QFileInfo twinFile(twin);
    return twinFile.isFile() && twinFile.lastModified() >= QFileInfo(path).lastModified();
}

}  // namespace

ImageList CutFrames(const QImage& pattern, int scale) {
    const int cell = kCellPixels * scale;
    ImageList images;
    images.reserve(kImageSets * kFramesPerSet);
    for (int set = 0; set < kImageSets; ++set) {
        for (int frame = 0; frame < kFramesPerSet; ++frame) {
            QImage image = MakeTealTransparent(pattern.copy(frame * cell, set * cell, cell, cell));
            image.setDevicePixelRatio(scale);
            images.push_back(std::move(image));
        }
    }
    return images;
}

ImageList LoadPieceImages(const QString& path) {
    return CutFrames(ReadPattern(path, 1));
}

PieceImages LoadPieceImagesFor(const QString& path, qreal devicePixelRatio) {
    constexpr int kTwinScale = 2;
    const QImage pattern = ReadPattern(path, 1);
    const QString twin = common::HighResolutionPath(QDir::current().absoluteFilePath(path));
    PieceImages images;
    if (devicePixelRatio > 1 && TwinIsCurrent(path, twin)) {
        try {
            const QImage twinPattern = ReadPattern(twin, kTwinScale);
            if (twinPattern.size() == pattern.size() * kTwinScale) {
                images.frames = CutFrames(twinPattern, kTwinScale);
                images.highResolution = true;
                return images;
            }
        } catch (const std::runtime_error& error) {
            images.twinError = error.what();
        }
    }
    images.frames = CutFrames(pattern);
    return images;
}

}  // namespace zorvel::ui
