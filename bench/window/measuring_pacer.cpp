#include "measuring_pacer.h"

namespace zorvel::bench {

void MeasuringPacer::Pause(unsigned ms) {
    const Stopwatch watch;
    inner_->Pause(ms);
    records_.push_back({ms, watch.StartNs(), watch.Elapsed(), run_});
}

std::vector<double> FrameErrorsMs(const std::vector<PauseRecord>& records, unsigned ms) {
    std::vector<double> errors;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const PauseRecord& before = records[i - 1];
        const PauseRecord& after = records[i];
        if (before.ms != ms || after.ms != ms || before.run != after.run) continue;
        errors.push_back(static_cast<double>(after.startNs - before.startNs) / 1e6 - ms);
    }
    return errors;
}

std::vector<double> CpuShares(const std::vector<PauseRecord>& records, unsigned ms) {
    std::vector<double> shares;
    for (const PauseRecord& record : records)
        if (record.ms == ms) shares.push_back(record.span.CpuShare());
    return shares;
}

}  // namespace zorvel::bench
