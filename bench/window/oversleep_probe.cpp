#include "oversleep_probe.h"

#include <chrono>

#include "clocks.h"

namespace zorvel::bench {

OversleepProbe::OversleepProbe(unsigned ms)
    : sleeper_([this, ms](std::stop_token stop) {
          while (!stop.stop_requested()) {
              const std::int64_t start = WallNs();
              std::this_thread::sleep_for(std::chrono::milliseconds(ms));
              const double overshoot = static_cast<double>(WallNs() - start) / 1e6 - ms;
              const std::lock_guard lock(mutex_);
              overshootsMs_.push_back(overshoot);
          }
      }) {}

std::vector<double> OversleepProbe::Stop() {
    sleeper_.request_stop();
    sleeper_.join();
    return overshootsMs_;
}

}  // namespace zorvel::bench
