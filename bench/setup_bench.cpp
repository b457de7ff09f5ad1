// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Setting a puzzle up runs on every press of next and previous, so it must feel
// instant: the target is well under 30 microseconds.
#include <benchmark/benchmark.h>

#include "data.h"

namespace {

using tangram::Layout;

constexpr Layout ClassicSquare{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};

// The game with one puzzle whose status byte lays `laid` Tans in advance.
void SetUpPuzzle(benchmark::State& state) {
    tangram::GameData game;
    game.PuzzleTable[1] = ClassicSquare;
    game.PuzzleCount = 1;
    game.PuzzleStatus[1] = static_cast<uint8_t>(state.range(0));
    tangram::Board board;
    for (auto _ : state) {
        tangram::SetUpPuzzle(game, board);
        benchmark::DoNotOptimize(board.BoardRaster.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SetUpPuzzle)->Arg(0)->Arg(7)->Unit(benchmark::kMicrosecond);

}  // namespace
