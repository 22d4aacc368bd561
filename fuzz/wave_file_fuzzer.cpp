// libFuzzer target for the wave file reader and what the sound outputs make of a file, as they read
// the game's sound files; no device is opened. Beyond crashes it checks what an output would be
// given: plain PCM of one or two channels of 8 or 16 bits, as the header says, at a rate it plays,
// and the data chunk's whole frames, none lost but a last one cut short; nothing for a file that
// cannot be played.
#include <QByteArrayView>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "wave_file.h"

using namespace zorvel::sound;

namespace {

void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "wrong sound: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView file(data, static_cast<qsizetype>(size));
    const PcmSound sound = PcmSoundOf(file);
    if (sound.channels == 0) {
        Check(sound.samples.isEmpty(), "samples of a file that cannot be played");
        return 0;
    }
    const std::optional<WaveSound> wave = ReadWave(file);
    Check(wave.has_value(), "a sound of a file the reader refuses");
    Check(wave->coding == 1, "a sound of samples that are not PCM");
    Check(sound.channels == wave->channels && sound.bitsPerSample == wave->bitsPerSample &&
              static_cast<std::uint32_t>(sound.sampleRate) == wave->sampleRate,
          "a format other than the header's");
    Check((sound.channels == 1 || sound.channels == 2) &&
              (sound.bitsPerSample == 8 || sound.bitsPerSample == 16),
          "a format the outputs do not play");
    Check(sound.sampleRate > 0 && sound.sampleRate <= kMaxSampleRate, "a rate out of range");
    Check(wave->samples.data() >= file.data() &&
              wave->samples.data() + wave->samples.size() <= file.data() + file.size(),
          "samples outside the file");
    const qsizetype frameBytes = sound.channels * sound.bitsPerSample / 8;
    Check(!sound.samples.isEmpty() && sound.samples.size() % frameBytes == 0,
          "samples that are not whole frames");
    Check(wave->samples.startsWith(sound.samples), "samples other than the data chunk's");
    Check(wave->samples.size() - sound.samples.size() < frameBytes, "whole frames lost");
    return 0;
}
