// What the computer's turn costs besides its one-second wait: the corner weights before the wait
// and the choice of its move, played without animation, after it.
#include <benchmark/benchmark.h>

#include "computer_player.h"
#include "positions.h"

namespace zorvel::bench {
namespace {

// Builds every line, as the game does, and drops it.
class DiscardingLog final : public DebugLog {
  public:
    void AppendLine(const std::string& line) override { benchmark::DoNotOptimize(line.data()); }
};

void ComputerMove(benchmark::State& state, Position (*make)()) {
    const Board start = make().board;
    ComputerPlayer computer;
    computer.InitWeights();
    DiscardingLog log;
    for (auto _ : state) {
        Board board = start;
        testing::BoardWriter writer(board);
        computer.ComputerMove(board, writer, log);
    }
}

void AdjustCornerWeights(benchmark::State& state, Position (*make)()) {
    const Board board = make().board;
    ComputerPlayer computer;
    computer.InitWeights();
    DiscardingLog log;
    for (auto _ : state) computer.AdjustCornerWeights(board, log);
}

BENCHMARK_CAPTURE(ComputerMove, Opening, &Opening);
BENCHMARK_CAPTURE(ComputerMove, Midgame, &Midgame);
BENCHMARK_CAPTURE(ComputerMove, LateGame, &LateGame);
BENCHMARK_CAPTURE(AdjustCornerWeights, LateGame, &LateGame);

}  // namespace
}  // namespace zorvel::bench
