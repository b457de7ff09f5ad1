// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Speed of the raster operations that run on every mouse move and every drop.
#include <benchmark/benchmark.h>

#include <memory>

#include "raster.h"
#include "tangdata.h"

namespace tangram {
namespace {

// The classic square (side 28).
constexpr Layout ClassicSquare{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};

constexpr int LargeTriangleTan = 4;

std::unique_ptr<Board> SolvedBoard(int dc, int dr) {
    auto board = std::make_unique<Board>();
    board->BuildTarget(ClassicSquare);
    for (int tan = 1; tan <= TanCount; ++tan) {
        const PieceState p = ClassicSquare[tan - 1];
        board->Piece[tan] = {static_cast<uint8_t>(p.col + dc), static_cast<uint8_t>(p.row + dr),
                             p.orient};
        board->StampPiece(tan);
    }
    return board;
}

// Dragging: the bounds test of the held Tan, which is off the raster.
void BM_PieceFitsBoard(benchmark::State& state) {
    auto board = SolvedBoard(0, 0);
    int col = 20;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board->PieceFitsBoard(LargeTriangleTan, col, 40, 5));
        col = col == 100 ? 20 : col + 1;
    }
}
BENCHMARK(BM_PieceFitsBoard);

// Dropping: bounds and sharing, the large triangle laid against the square's
// other Tans at its own place.
void BM_PieceFitsFree(benchmark::State& state) {
    auto board = SolvedBoard(0, 0);
    const PieceState p = board->Piece[LargeTriangleTan];
    board->UnstampPiece(LargeTriangleTan);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board->PieceFitsFree(LargeTriangleTan, p.col, p.row, p.orient));
    }
}
BENCHMARK(BM_PieceFitsFree);

void BM_StampAndUnstampPiece(benchmark::State& state) {
    auto board = SolvedBoard(0, 0);
    for (auto _ : state) {
        board->StampPiece(LargeTriangleTan);
        board->UnstampPiece(LargeTriangleTan);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StampAndUnstampPiece);

// After every drop: the figure built elsewhere on the board matches.
void BM_CheckSolution(benchmark::State& state) {
    auto board = SolvedBoard(-25, 12);
    if (!board->CheckSolution()) {
        state.SkipWithError("the figure does not match its target");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(board->CheckSolution());
    }
}
BENCHMARK(BM_CheckSolution);

}  // namespace
}  // namespace tangram
