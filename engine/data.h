// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The puzzle catalogue, the player's progress and the other state that lives
// as long as the program. The program owns one GameData; tests make their own.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "names.h"
#include "raster.h"

namespace tangram {

inline constexpr int MaxPuzzles = 330;
inline constexpr int CatalogueRecordSize = 22;
inline constexpr uint8_t SolvedBit = 8;

// Where each Tan lies when a puzzle is set up: around the edge of the board.
inline constexpr Layout StartLayout{
    {{117, 71, 6}, {111, 77, 10}, {7, 74, 4}, {8, 8, 8}, {113, 8, 12}, {7, 42, 0}, {116, 43, 14}}};

struct GameData {
    std::array<Layout, MaxPuzzles + 1> PuzzleTable{};      // puzzles 1..PuzzleCount
    std::array<uint8_t, MaxPuzzles + 1> PuzzleCategory{};  // byte 0 of each record
    int PuzzleCount = 0;
    int CurrentPuzzle = 1;
    Layout CurrentSolution{};
    // Per puzzle: bit 3 solved, bits 0..2 the number of Tans laid in advance,
    // bits 4..7 kept as loaded.
    std::array<uint8_t, MaxPuzzles + 1> PuzzleStatus{};
    bool ProgressChanged = false;
    std::string ProgramDir;    // the executable's folder, with a trailing '/'
    std::string GameFileName;  // full path of the current game file, or empty
    int Tongue = -1;           // -1 not chosen, 0 English, 1 German, 2 French
    CatalogueNames Names;      // from mexa.names, matched to the records by their bytes
};

enum class CatalogueResult {
    Ok,
    CannotOpen,  // the file is missing or unreadable: the program ends
    Empty,       // the file holds no whole record: the program ends too
};

// Fills PuzzleTable, PuzzleCategory and PuzzleCount from whole 22-byte records
// (at most MaxPuzzles; a trailing part record is ignored). Returns the count.
int ParseCatalogue(std::span<const uint8_t> bytes, GameData& game);

// The one rule for puzzle numbers: puzzles count from 1 to PuzzleCount, which
// never exceeds MaxPuzzles.
int PuzzleTotal(const GameData& game);
bool IsPuzzle(const GameData& game, int puzzle);
// The puzzle nearest to `puzzle`; 0 when the catalogue holds none.
int NearestPuzzle(const GameData& game, int puzzle);

// Reads ProgramDir + "mexa.dat" (or `path`), then moves CurrentPuzzle to the
// nearest puzzle of the catalogue.
CatalogueResult LoadCatalogue(GameData& game);
CatalogueResult LoadCatalogueFile(const std::string& path, GameData& game);

// Makes the current puzzle playable: target raster from its solution, the Tans
// at the start layout, the Tans its status byte lays in advance at their
// solution places, no Tan held, not solved.
void SetUpPuzzle(GameData& game, Board& board);

// Sets the current puzzle's solved bit; raises ProgressChanged only when the bit
// was clear.
void MarkSolved(GameData& game);

}  // namespace tangram
