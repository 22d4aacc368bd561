#pragma once

// The clocks of the window figures: the monotonic wall clock, which every process of the machine
// shares, and the CPU time of the whole process, all its threads together.
#include <cstdint>
#include <ctime>

namespace zorvel::bench {

inline std::int64_t Nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}
inline std::int64_t WallNs() {
    return Nanoseconds(CLOCK_MONOTONIC);
}
inline std::int64_t CpuNs() {
    return Nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
}

struct Span {
    std::int64_t wallNs;
    std::int64_t cpuNs;
    // CPU time per wall-clock time: 1.0 is one core kept busy.
    double CpuShare() const { return static_cast<double>(cpuNs) / static_cast<double>(wallNs); }
};

class Stopwatch {
  public:
    std::int64_t StartNs() const { return wall_; }
    Span Elapsed() const { return {WallNs() - wall_, CpuNs() - cpu_}; }

  private:
    std::int64_t wall_ = WallNs();
    std::int64_t cpu_ = CpuNs();
};

}  // namespace zorvel::bench
