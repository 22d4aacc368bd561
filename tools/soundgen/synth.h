#pragma once

#include <cstdint>
#include <vector>

namespace zorvel::sound {

// White noise from a fixed seed, the same on every machine and every run.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    // The next value, evenly spread over -1 to 1.
    float Next();

  private:
    std::uint32_t state_;
};

// A two-pole resonator: rings at `frequency` Hz, dying away to 1/e in `decay` seconds, the way
// one mode of a struck body does.
class Resonator {
  public:
    Resonator(double frequency, double decay, int sampleRate);
    float Process(float input);

  private:
    double a1_;
    double a2_;
    double gain_;
    double y1_ = 0.0;
    double y2_ = 0.0;
};

// Scales the samples so that the loudest one reaches `peak` (of full scale 1).
void Normalise(std::vector<float>& samples, float peak);

// Fades the last `seconds` of the samples down to silence.
void FadeOut(std::vector<float>& samples, double seconds, int sampleRate);

}  // namespace zorvel::sound
