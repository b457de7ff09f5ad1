// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any bytes as a names file: every name that reaches a puzzle must be one its
// own record's bytes were written for, and whatever is shown is well-formed
// text without control characters.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "data.h"
#include "names.h"

namespace {

// The square and the rectangle, the two records the names can be for.
constexpr tangram::Layout Square{
    {{60, 45, 10}, {72, 33, 6}, {69, 49, 0}, {60, 31, 2}, {51, 40, 14}, {67, 40, 2}, {56, 50, 22}}};
constexpr tangram::Layout Rectangle{
    {{77, 37, 0}, {63, 47, 4}, {70, 33, 2}, {46, 36, 8}, {54, 44, 0}, {75, 45, 0}, {65, 40, 4}}};

bool Shows(const std::string& text) {
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto game = std::make_unique<tangram::GameData>();
    game->PuzzleCount = 3;
    game->PuzzleTable[1] = Square;
    game->PuzzleTable[2] = Rectangle;
    game->PuzzleTable[3] = Square;
    game->Names = tangram::ParseNames(std::span<const uint8_t>(data, size), *game);
    const auto& n = game->Names.puzzles;
    // The same bytes, the same names; a puzzle beyond the catalogue none.
    if (n[1].known != n[3].known || n[1].english != n[3].english || n[4].known || n[0].known) {
        __builtin_trap();
    }
    for (int tongue : {0, 1}) {
        game->Tongue = tongue;
        for (int p = 0; p <= 4; ++p) {
            if (!Shows(tangram::NumberNameAndCategory(*game, p))) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
