#pragma once

// The soak's only source of chance: one seeded engine, so a seed replays a run event for event.
#include <array>
#include <cstddef>
#include <cstdint>
#include <random>

namespace zorvel::soak {

class Dice {
  public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    bool Chance(double probability) { return Real(0.0, 1.0) < probability; }
    // 0 <= result < count.
    int Below(int count) { return std::uniform_int_distribution<int>(0, count - 1)(engine_); }
    double Real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    // One row of a table whose rows have a `weight`, each row as likely as its weight.
    template <typename Row, std::size_t N>
    const Row& From(const Row (&table)[N]) {
        std::array<int, N> weights{};
        for (std::size_t i = 0; i < N; ++i) weights[i] = table[i].weight;
        return table[std::discrete_distribution<std::size_t>(weights.begin(),
                                                             weights.end())(engine_)];
    }

  private:
    std::mt19937_64 engine_;
};

}  // namespace zorvel::soak
