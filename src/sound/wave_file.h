#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace zorvel::sound {

// The highest sample rate played: the sound server's (PulseAudio's PA_RATE_MAX on Debian 12).
inline constexpr int kMaxSampleRate = 384'000;
// A larger file is no sound of the game's.
inline constexpr qint64 kMaxSoundFileBytes = 16 * 1024 * 1024;

// A wave file's format and its samples, as a view into the file's bytes.
struct WaveSound {
    int coding = 0;  // 1: integer PCM; for WAVE_FORMAT_EXTENSIBLE, its sub-format's
    int channels = 0;
    std::uint32_t sampleRate = 0;  // as the file says
    int bitsPerSample = 0;
    QByteArrayView samples;
};

// Reads a wave file's bytes before the player sees them: a RIFF "WAVE" file with a "fmt " chunk
// followed by a non-empty "data" chunk that is all there. A player may wait forever for the rest
// of a file that is cut short, so such a file must not reach it.
std::optional<WaveSound> ReadWave(QByteArrayView bytes);

// A wave file's sound as the output plays it: plain PCM of one or two channels of 8 or 16 bits, in
// whole frames. Reading it needs no device.
struct PcmSound {
    int channels = 0;  // none (0) when the file cannot be played
    int bitsPerSample = 0;
    int sampleRate = 0;
    QByteArray samples;  // whole frames; none when the file cannot be played

    int FrameBytes() const { return channels * bitsPerSample / 8; }
    qint64 LengthMs() const {
        return channels == 0 ? 0 : samples.size() / FrameBytes() * 1000 / sampleRate;
    }
};

// The sound a wave file's bytes hold.
PcmSound PcmSoundOf(QByteArrayView waveFile);
// The sound of a wave file: none when it is missing, not a regular file or larger than
// kMaxSoundFileBytes.
PcmSound PcmSoundOfFile(const QString& path);

}  // namespace zorvel::sound
