// libFuzzer target for the picture file loader: the header check, the decoder behind it and the
// cutting of the frames, as the main window loads its pattern file.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "bmp_header.h"
#include "piece_images.h"

using namespace zorvel::ui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!CheckBmpHeader(bytes, kFramesPerSet * kCellPixels, kImageSets * kCellPixels).isEmpty())
        return 0;
    QImage pattern;
    if (!pattern.loadFromData(bytes, "BMP")) return 0;
    const ImageList images = CutFrames(pattern);
    if (images.size() != kImageSets * kFramesPerSet) std::abort();
    for (const QImage& image : images) {
        if (image.size() != QSize(kCellPixels, kCellPixels)) std::abort();
    }
    return 0;
}
