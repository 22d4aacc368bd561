#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorvel::sound {

float Noise::Next() {
    // xorshift32: small, and fixed by its definition rather than by a library.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_) / 2147483648.0f - 1.0f;
}

Resonator::Resonator(double frequency, double decay, int sampleRate) {
    const double radius = std::exp(-1.0 / (decay * sampleRate));
    const double omega = 2.0 * std::numbers::pi * frequency / sampleRate;
    a1_ = 2.0 * radius * std::cos(omega);
    a2_ = -radius * radius;
    // Keeps the peak response near the input's level whatever the frequency and decay.
    gain_ = 1.0 - radius;
}

float Resonator::Process(float input) {
    const double y = gain_ * input + a1_ * y1_ + a2_ * y2_;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

void Normalise(std::vector<float>& samples, float peak) {
    float loudest = 0.0f;
    for (float sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    if (loudest > 0.0f) {
        for (float& sample : samples) {
            sample *= peak / loudest;
        }
    }
}

void FadeOut(std::vector<float>& samples, double seconds, int sampleRate) {
    const auto length = std::min(samples.size(), static_cast<std::size_t>(seconds * sampleRate));
    const std::size_t start = samples.size() - length;
    for (std::size_t i = 0; i < length; ++i) {
        samples[start + i] *= static_cast<float>(length - i) / static_cast<float>(length);
    }
}

}  // namespace zorvel::sound
