#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace zorvel::sound {

namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerSample = kBitsPerSample / 8;
constexpr std::uint32_t kFormatChunkSize = 16;

// Wave files are little-endian whatever the machine is.
void Put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xffu));
    }
}

std::int16_t ToPcm(float sample) {
    const float clipped = std::clamp(sample, -1.0f, 1.0f);
    return static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
}

}  // namespace

bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
    std::ofstream out(path, std::ios::binary);
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    out.write("RIFF", 4);
    Put(out, 4 + (8 + kFormatChunkSize) + (8 + dataSize), 4);
    out.write("WAVEfmt ", 8);
    Put(out, kFormatChunkSize, 4);
    Put(out, kPcm, 2);
    Put(out, kChannels, 2);
    Put(out, rate, 4);
    Put(out, rate * kChannels * kBytesPerSample, 4);
    Put(out, kChannels * kBytesPerSample, 2);
    Put(out, kBitsPerSample, 2);
    out.write("data", 4);
    Put(out, dataSize, 4);
    for (float sample : samples) {
        Put(out, static_cast<std::uint16_t>(ToPcm(sample)), 2);
    }
    return static_cast<bool>(out.flush());
}

}  // namespace zorvel::sound
