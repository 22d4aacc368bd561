#include "sounds.h"

#include <cmath>
#include <numbers>

#include "synth.h"

namespace zorvel::sound {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t Samples(double seconds) {
    return static_cast<std::size_t>(seconds * kSampleRate);
}

double Seconds(std::size_t sample) {
    return static_cast<double>(sample) / kSampleRate;
}

// A decaying sine: one partial of a struck body.
double Partial(double t, double frequency, double decay) {
    return std::sin(kTwoPi * frequency * t) * std::exp(-t / decay);
}

}  // namespace

std::vector<float> WoodClick() {
    // A hard tap excites a few inharmonic modes of the wood, each dying away fast; the lowest one
    // carries the knock, the higher ones the woody colour.
    Noise noise(0x5eed1234u);
    Resonator modes[] = {
        {980.0, 0.010, kSampleRate}, {2140.0, 0.007, kSampleRate}, {3570.0, 0.005, kSampleRate}};
    constexpr float kModeLevels[] = {1.0f, 0.7f, 0.45f};
    std::vector<float> samples(Samples(0.09));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = Seconds(i);
        const auto tap = static_cast<float>(noise.Next() * std::exp(-t / 0.0015));
        float wood = 0.0f;
        for (std::size_t m = 0; m < std::size(modes); ++m) {
            wood += kModeLevels[m] * modes[m].Process(tap);
        }
        // The knock's pitch sinks a little as the piece settles.
        const double knock = Partial(t, 1040.0 - 900.0 * t, 0.008);
        samples[i] = 6.0f * wood + 0.35f * static_cast<float>(knock) + 0.3f * tap;
    }
    FadeOut(samples, 0.01, kSampleRate);
    Normalise(samples, 0.7f);
    return samples;
}

std::vector<float> Chime() {
    // A bar bell: its second partial lies 2.76 times above the first and fades much sooner.
    constexpr double kFundamental = 1046.5;  // C6
    constexpr double kAttack = 0.003;
    std::vector<float> samples(Samples(0.5));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = Seconds(i);
        const double attack = std::min(1.0, t / kAttack);
        const double bell =
            Partial(t, kFundamental, 0.16) + 0.45 * Partial(t, 2.76 * kFundamental, 0.05);
        samples[i] = static_cast<float>(attack * bell);
    }
    FadeOut(samples, 0.04, kSampleRate);
    Normalise(samples, 0.6f);
    return samples;
}

}  // namespace zorvel::sound
