#include "wave_file.h"

#include "bounded_file.h"
#include "little_endian.h"

namespace zorvel::sound {
namespace {

using common::LittleEndianAt;

constexpr qint64 kRiffHeaderSize = 12;
constexpr qint64 kChunkHeaderSize = 8;
constexpr qint64 kFormatSize = 16;  // the PCM format description

// WAVE_FORMAT_EXTENSIBLE names its coding in the sub-format that follows the PCM description: a
// GUID whose first two bytes are the coding and whose other 14 are always these.
constexpr int kExtensible = 0xfffe;
constexpr qint64 kExtensibleFormatSize = 40;
constexpr qint64 kSubFormatAt = 24;
constexpr QByteArrayView kSubFormatTail("\0\0\0\0\x10\0\x80\0\0\xaa\0\x38\x9b\x71", 14);

int CodingOf(QByteArrayView format) {
    const int coding = LittleEndianAt<std::uint16_t>(format, 0);
    if (coding != kExtensible || format.size() < kExtensibleFormatSize ||
        format.sliced(kSubFormatAt + 2, kSubFormatTail.size()) != kSubFormatTail)
        return coding;
    return LittleEndianAt<std::uint16_t>(format, kSubFormatAt);
}

bool Playable(const WaveSound& wave) {
    return wave.coding == 1 && wave.sampleRate > 0 && wave.sampleRate <= kMaxSampleRate &&
           (wave.channels == 1 || wave.channels == 2) &&
           (wave.bitsPerSample == 8 || wave.bitsPerSample == 16);
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
        const qint64 size = LittleEndianAt<std::uint32_t>(bytes, at + 4);
        const qint64 body = at + kChunkHeaderSize;
        const bool complete = body + size <= bytes.size();
        if (id == QByteArrayView("fmt ")) {
            sound.reset();
            if (size >= kFormatSize && complete) {
                const QByteArrayView format = bytes.sliced(body, size);
                sound = WaveSound{CodingOf(format),
                                  LittleEndianAt<std::uint16_t>(format, 2),
                                  LittleEndianAt<std::uint32_t>(format, 4),
                                  LittleEndianAt<std::uint16_t>(format, 14),
                                  {}};
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

PcmSound PcmSoundOf(QByteArrayView waveFile) {
    const std::optional<WaveSound> wave = ReadWave(waveFile);
    if (!wave || !Playable(*wave)) return {};
    PcmSound sound{wave->channels, wave->bitsPerSample, static_cast<int>(wave->sampleRate), {}};
    const qsizetype frameBytes = sound.FrameBytes();
    sound.samples =
        wave->samples.first(wave->samples.size() / frameBytes * frameBytes).toByteArray();
    if (sound.samples.isEmpty()) return {};
    return sound;
}

PcmSound PcmSoundOfFile(const QString& path) {
    const std::optional<QByteArray> bytes = common::RegularFile(path).ReadAll(kMaxSoundFileBytes);
    return bytes ? PcmSoundOf(*bytes) : PcmSound{};
}

}  // namespace zorvel::sound
