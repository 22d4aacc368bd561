#include "pcm_sound.h"

#include "bounded_file.h"
#include "wave_header.h"

namespace zorvel::sound {
namespace {

bool Playable(const WaveSound& wave) {
    return wave.coding == 1 && wave.sampleRate > 0 && wave.sampleRate <= kMaxSampleRate &&
           (wave.channels == 1 || wave.channels == 2) &&
           (wave.bitsPerSample == 8 || wave.bitsPerSample == 16);
}

}  // namespace

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
