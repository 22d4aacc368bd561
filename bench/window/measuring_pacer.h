#pragma once

// A pacer that times every pause of the one it wraps: when it began, how long it took and the CPU
// time the process spent meanwhile.
#include <memory>
#include <vector>

#include "clocks.h"
#include "pacer.h"

namespace zorvel::bench {

struct PauseRecord {
    unsigned ms;
    std::int64_t startNs;
    Span span;
    int run;  // pauses of one run follow each other with nothing but drawing in between
};

class MeasuringPacer final : public ui::Pacer {
  public:
    explicit MeasuringPacer(std::unique_ptr<ui::Pacer> inner) : inner_(std::move(inner)) {}
    void Pause(unsigned ms) override;

    // The next pause starts a new run: the time before it is no frame interval.
    void BreakRun() { ++run_; }
    const std::vector<PauseRecord>& Records() const { return records_; }

  private:
    std::unique_ptr<ui::Pacer> inner_;
    std::vector<PauseRecord> records_;
    int run_ = 0;
};

// From each pause of `ms` to the next one of the same run, less `ms`: how far the frames of an
// animation are off their interval.
std::vector<double> FrameErrorsMs(const std::vector<PauseRecord>& records, unsigned ms);
// The CPU share of every pause of `ms`.
std::vector<double> CpuShares(const std::vector<PauseRecord>& records, unsigned ms);

}  // namespace zorvel::bench
