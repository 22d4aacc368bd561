#pragma once

// Summaries of repeated measurements; each takes a non-empty sample.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace zorvel::bench {

inline double Mean(const std::vector<double>& sample) {
    return std::accumulate(sample.begin(), sample.end(), 0.0) / static_cast<double>(sample.size());
}

// The smallest value that at least `percent` % of the sample do not exceed.
inline double Percentile(std::vector<double> sample, double percent) {
    std::sort(sample.begin(), sample.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(percent / 100.0 * static_cast<double>(sample.size())));
    return sample[std::max<std::size_t>(rank, 1) - 1];
}

inline double Median(const std::vector<double>& sample) {
    return Percentile(sample, 50.0);
}

}  // namespace zorvel::bench
