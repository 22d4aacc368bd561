#pragma once

// How late the machine itself wakes a sleeping thread: a thread of its own sleeps the same length
// as the animation's pauses, again and again, beside the game. When the frames are late and
// this plain sleep is as late at the same time, the machine was busy, not the program.
#include <mutex>
#include <thread>
#include <vector>

namespace zorvel::bench {

class OversleepProbe {
  public:
    explicit OversleepProbe(unsigned ms);
    // Stops the probe and returns how far each sleep overshot its length, in milliseconds.
    std::vector<double> Stop();

  private:
    std::mutex mutex_;
    std::vector<double> overshootsMs_;
    std::jthread sleeper_;
};

}  // namespace zorvel::bench
