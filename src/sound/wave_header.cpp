#include "wave_header.h"

#include <QtEndian>

namespace zorvel::sound {
namespace {

constexpr qint64 kRiffHeaderSize = 12;
constexpr qint64 kChunkHeaderSize = 8;
constexpr qint64 kFormatSize = 16;  // the PCM format description

std::uint16_t Word(QByteArrayView bytes, qint64 at) {
    return qFromLittleEndian<std::uint16_t>(bytes.sliced(at, 2).data());
}

std::uint32_t DoubleWord(QByteArrayView bytes, qint64 at) {
    return qFromLittleEndian<std::uint32_t>(bytes.sliced(at, 4).data());
}

// WAVE_FORMAT_EXTENSIBLE names its coding in the sub-format that follows the PCM description: a
// GUID whose first two bytes are the coding and whose other 14 are always these.
constexpr int kExtensible = 0xfffe;
constexpr qint64 kExtensibleFormatSize = 40;
constexpr qint64 kSubFormatAt = 24;
constexpr QByteArrayView kSubFormatTail("\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 14);

int CodingOf(QByteArrayView format) {
    const int coding = Word(format, 0);
    if (coding != kExtensible || format.size() < kExtensibleFormatSize ||
        format.sliced(kSubFormatAt + 2, kSubFormatTail.size()) != kSubFormatTail)
        return coding;
    return Word(format, kSubFormatAt);
}

}  // namespace

std::optional<WaveSound> ReadWave(QByteArrayView bytes) {
    if (bytes.size() < kRiffHeaderSize || !bytes.startsWith("RIFF") ||
        bytes.sliced(8, 4) != QByteArrayView("WAVE"))
        return std::nullopt;
    std::optional<WaveSound> sound;
    qint64 at = kRiffHeaderSize;
    while (at + kChunkHeaderSize <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = DoubleWord(bytes, at + 4);
        const qint64 body = at + kChunkHeaderSize;
        const bool complete = body + size <= bytes.size();
        if (id == QByteArrayView("fmt ")) {
            sound.reset();
            if (size >= kFormatSize && complete) {
                const QByteArrayView format = bytes.sliced(body, size);
                sound = WaveSound{
                    CodingOf(format), Word(format, 2), DoubleWord(format, 4), Word(format, 14), {}};
            }
        } else if (id == QByteArrayView("data")) {
            if (!sound || size == 0 || !complete) return std::nullopt;
            sound->samples = bytes.sliced(body, size);
            return sound;
        }
        at = body + size + size % 2;  // chunks keep an even length
    }
    return std::nullopt;
}

}  // namespace zorvel::sound
