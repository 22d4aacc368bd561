#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace zorvel::sound {

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

}  // namespace zorvel::sound
