#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace zorvel::sound {

// The highest sample rate played: the sound server's (PulseAudio's PA_RATE_MAX on Debian 12).
// OpenAL takes higher ones, but a file must sound alike through either output.
inline constexpr int kMaxSampleRate = 384'000;

// A wave file's sound as the outputs play it: plain PCM of one or two channels of 8 or 16 bits, in
// whole frames. Reading it needs no device.
struct PcmSound {
    int channels = 0;  // none (0) when the file cannot be played
    int bitsPerSample = 0;
    int sampleRate = 0;
    QByteArray samples;  // whole frames; none when the file cannot be played

    int FrameBytes() const { return channels * bitsPerSample / 8; }
};

// The sound a wave file's bytes hold.
PcmSound PcmSoundOf(QByteArrayView waveFile);

}  // namespace zorvel::sound
