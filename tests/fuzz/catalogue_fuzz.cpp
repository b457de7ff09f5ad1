// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any bytes as a catalogue: every whole record is set up and played with the
// hint, which stamps the solution; nothing may read or write outside a table
// or a raster, whatever the orientation and position bytes hold.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "data.h"
#include "raster.h"
#include "tangdata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto game = std::make_unique<tangram::GameData>();
    auto board = std::make_unique<tangram::Board>();
    const int count = tangram::ParseCatalogue(std::span<const uint8_t>(data, size), *game);
    if (count < 0 || count > tangram::MaxPuzzles) {
        __builtin_trap();
    }
    for (int p = 1; p <= count; ++p) {
        game->CurrentPuzzle = p;
        game->PuzzleStatus[static_cast<size_t>(p)] = static_cast<uint8_t>(p % 8);
        tangram::SetUpPuzzle(*game, *board);
        board->CheckSolution();
        for (int tan = 1; tan <= tangram::TanCount; ++tan) {
            const auto& s = game->CurrentSolution[static_cast<size_t>(tan - 1)];
            board->PieceFitsFree(tan, s.col, s.row, s.orient);
        }
    }
    return 0;
}
