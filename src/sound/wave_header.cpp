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
            if (size >= kFormatSize && complete)
                sound = WaveSound{Word(bytes, body),
                                  Word(bytes, body + 2),
                                  DoubleWord(bytes, body + 4),
                                  Word(bytes, body + 14),
                                  {}};
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
