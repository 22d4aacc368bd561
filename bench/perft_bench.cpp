// The whole move tree from the opening position, move by move through the rules: how many leaf
// positions per second the engine reaches, checked against the published counts.
#include <benchmark/benchmark.h>

#include "perft.h"

namespace zorvel::bench {
namespace {

void PerftFromOpening(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    const Board opening = testing::OpeningPosition();
    std::uint64_t leaves = 0;
    for (auto _ : state) {
        leaves = testing::Perft(opening, kSide0, depth);
        if (leaves != testing::kOpeningLeaves[depth]) {
            state.SkipWithError("leaf count differs from the published one");
            break;
        }
    }
    state.counters["leaves"] = static_cast<double>(leaves);
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(leaves),
                                                   benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(PerftFromOpening)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvel::bench
