// What the rules cost: measuring a move, playing it without animation, and the test after every
// move that looks for a legal move of either side.
#include <benchmark/benchmark.h>

#include "positions.h"
#include "rules.h"

namespace zorvel::bench {
namespace {

void TryMoveMeasure(benchmark::State& state, Position (*make)()) {
    const Position p = make();
    for (auto _ : state) benchmark::DoNotOptimize(TryMove(p.board, p.x, p.y, p.side));
}

void TryMovePlay(benchmark::State& state, Position (*make)()) {
    const Position p = make();
    for (auto _ : state) {
        Board board = p.board;
        testing::BoardWriter writer(board);
        benchmark::DoNotOptimize(TryMove(board, p.x, p.y, p.side, &writer));
    }
}

// As the game does after each move: both sides on every empty cell, with no early stop.
void EndOfMoveScan(benchmark::State& state, Position (*make)()) {
    const Board board = make().board;
    for (auto _ : state) {
        bool side0CanMove = false;
        bool side1CanMove = false;
        for (int y = Board::kFirst; y <= Board::kLast; ++y) {
            for (int x = Board::kFirst; x <= Board::kLast; ++x) {
                if (board.At(x, y) != kEmpty) continue;
                side0CanMove |= TryMove(board, x, y, kSide0) > 0;
                side1CanMove |= TryMove(board, x, y, kSide1) > 0;
            }
        }
        benchmark::DoNotOptimize(side0CanMove);
        benchmark::DoNotOptimize(side1CanMove);
    }
}

BENCHMARK_CAPTURE(TryMoveMeasure, Opening, &Opening);
BENCHMARK_CAPTURE(TryMoveMeasure, Midgame, &Midgame);
BENCHMARK_CAPTURE(TryMoveMeasure, LateGame, &LateGame);
BENCHMARK_CAPTURE(TryMovePlay, Opening, &Opening);
BENCHMARK_CAPTURE(TryMovePlay, Midgame, &Midgame);
BENCHMARK_CAPTURE(TryMovePlay, LateGame, &LateGame);
BENCHMARK_CAPTURE(EndOfMoveScan, Opening, &Opening);
BENCHMARK_CAPTURE(EndOfMoveScan, Midgame, &Midgame);
BENCHMARK_CAPTURE(EndOfMoveScan, LateGame, &LateGame);

}  // namespace
}  // namespace zorvel::bench
