#include "heard_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace zorvel::test {
namespace {

constexpr double kWindowMs = kOnsetResolutionMs;
constexpr float kSilence = 0.001f;    // -60 dB of full scale
constexpr float kTailOfPeak = 0.01f;  // -40 dB of the sound's peak
constexpr float kOnsetJump = 2.5f;    // a new sound over one still playing
constexpr double kGapMs = 20.0;       // silence that ends a sound
constexpr double kOnsetsApartMs = 30.0;

std::uint32_t Little(const char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

// The level of each window: its root mean square.
std::vector<float> Envelope(const Recording& recording, std::size_t window) {
    std::vector<float> levels;
    for (std::size_t at = 0; at + window <= recording.samples.size(); at += window) {
        double sum = 0;
        for (std::size_t i = at; i < at + window; ++i)
            sum += recording.samples[i] * recording.samples[i];
        levels.push_back(static_cast<float>(std::sqrt(sum / static_cast<double>(window))));
    }
    return levels;
}

}  // namespace

std::optional<Recording> ReadMonoWave(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    Recording recording;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        std::size_t size = Little(&bytes[at + 4], 4);
        const std::size_t body = at + 8;
        // A recording stopped by a signal may leave the data size unwritten.
        if (id == "data" && (size == 0 || size == 0xffffffffu || body + size > bytes.size()))
            size = bytes.size() - body;
        if (body + size > bytes.size()) return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || Little(&bytes[body], 2) != 1 || Little(&bytes[body + 2], 2) != 1 ||
                Little(&bytes[body + 14], 2) != 16)
                return std::nullopt;
            recording.rate = static_cast<int>(Little(&bytes[body + 4], 4));
        } else if (id == "data" && recording.rate > 0) {
            for (std::size_t i = body; i + 1 < body + size; i += 2) {
                const auto sample = static_cast<std::int16_t>(Little(&bytes[i], 2));
                recording.samples.push_back(static_cast<float>(sample) / 32768.0f);
            }
            return recording;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

std::vector<HeardSound> FindSounds(const Recording& recording) {
    const auto window = static_cast<std::size_t>(recording.rate * kWindowMs / 1000.0);
    const std::vector<float> level = Envelope(recording, std::max<std::size_t>(window, 1));
    const auto gapWindows = static_cast<std::size_t>(kGapMs / kWindowMs);
    const auto apartWindows = static_cast<std::size_t>(kOnsetsApartMs / kWindowMs);

    std::vector<HeardSound> sounds;
    std::size_t onset = 0;
    std::size_t lastLoud = 0;
    float peak = 0;
    bool inSound = false;
    const auto finish = [&](std::size_t end, bool cut) {
        sounds.push_back({onset * kWindowMs, end * kWindowMs, cut});
    };
    for (std::size_t w = 0; w < level.size(); ++w) {
        const bool loud = level[w] >= kSilence;
        if (!inSound) {
            if (!loud) continue;
            inSound = true;
            onset = lastLoud = w;
            peak = level[w];
            continue;
        }
        const float before = std::min(level[w - 1], w >= 2 ? level[w - 2] : level[w - 1]);
        if (w - onset >= apartWindows && level[w] > kOnsetJump * before && level[w] > 0.1f * peak) {
            finish(w, true);
            onset = lastLoud = w;
            peak = level[w];
            continue;
        }
        peak = std::max(peak, level[w]);
        if (level[w] >= kTailOfPeak * peak) lastLoud = w + 1;
        if (!loud && w - lastLoud >= gapWindows) {
            finish(lastLoud, false);
            inSound = false;
        }
    }
    if (inSound) finish(lastLoud, false);
    return sounds;
}

HeardSound SoundOfFile(const std::string& path) {
    const std::optional<Recording> file = ReadMonoWave(path);
    if (!file) return {};
    const std::vector<HeardSound> sounds = FindSounds(*file);
    return sounds.empty() ? HeardSound{} : sounds.front();
}

bool IsWhole(const HeardSound& heard, const HeardSound& reference) {
    return heard.LengthMs() >= reference.LengthMs() - std::max(10.0, 0.1 * reference.LengthMs());
}

bool IsMoreThanOne(const HeardSound& heard, const HeardSound& reference) {
    return heard.LengthMs() >= 1.5 * reference.LengthMs();
}

}  // namespace zorvel::test
