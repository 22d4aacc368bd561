#include "bmp_header.h"

#include <cstdint>
#include <cstdlib>

#include "little_endian.h"

namespace zorvel::ui {
namespace {

constexpr qint64 kMaxSide = 4096;  // far beyond any pattern file, small enough to load safely
constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

}  // namespace

QString CheckBmpHeader(const QByteArray& bytes, int minWidth, int minHeight) {
    if (bytes.size() < kFileHeaderSize + kCoreHeaderSize || !bytes.startsWith("BM"))
        return QStringLiteral("The file is not a BMP picture");
    const auto pixelOffset = common::LittleEndianAt<std::uint32_t>(bytes, 10);
    const auto headerSize = common::LittleEndianAt<std::uint32_t>(bytes, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    if (headerSize == kCoreHeaderSize) {
        width = common::LittleEndianAt<std::uint16_t>(bytes, 18);
        height = common::LittleEndianAt<std::uint16_t>(bytes, 20);
        bitsPerPixel = common::LittleEndianAt<std::uint16_t>(bytes, 24);
    } else if (headerSize >= kInfoHeaderSize && bytes.size() >= kFileHeaderSize + kInfoHeaderSize) {
        width = common::LittleEndianAt<std::int32_t>(bytes, 18);
        height = std::llabs(
            common::LittleEndianAt<std::int32_t>(bytes, 22));  // negative: stored top-down
        bitsPerPixel = common::LittleEndianAt<std::uint16_t>(bytes, 28);
        compression = common::LittleEndianAt<std::uint32_t>(bytes, 30);
    } else {
        return QStringLiteral("The file is not a BMP picture");
    }
    if (width > kMaxSide || height > kMaxSide)
        return QStringLiteral("The picture is too large (%1 x %2 pixels)").arg(width).arg(height);
    if (width < minWidth || height < minHeight) {
        return QStringLiteral("The picture is %1 x %2 pixels, smaller than %3 x %4")
            .arg(width)
            .arg(height)
            .arg(minWidth)
            .arg(minHeight);
    }
    const bool knownDepth = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 ||
                            bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!knownDepth || (compression != kUncompressed && compression != kBitFields))
        return QStringLiteral("The BMP picture is compressed or of an unknown kind");
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    if (pixelOffset < kFileHeaderSize + static_cast<qint64>(headerSize) ||
        static_cast<qint64>(pixelOffset) + rowBytes * height > bytes.size())
        return QStringLiteral("The BMP picture is truncated");
    return {};
}

}  // namespace zorvel::ui
