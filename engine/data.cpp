// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "data.h"

#include <algorithm>
#include <vector>

#include "fileio.h"

namespace tangram {

namespace {

// The whole catalogue is never longer than this; anything beyond is ignored.
constexpr size_t MaxCatalogueBytes = size_t{MaxPuzzles} * CatalogueRecordSize;

}  // namespace

int PuzzleTotal(const GameData& game) {
    return std::clamp(game.PuzzleCount, 0, MaxPuzzles);
}

bool IsPuzzle(const GameData& game, int puzzle) {
    return puzzle >= 1 && puzzle <= PuzzleTotal(game);
}

int NearestPuzzle(const GameData& game, int puzzle) {
    const int total = PuzzleTotal(game);
    return total == 0 ? 0 : std::clamp(puzzle, 1, total);
}

int ParseCatalogue(std::span<const uint8_t> bytes, GameData& game) {
    // Parsed aside first, so the game's tables change in one step.
    std::array<Layout, MaxPuzzles + 1> table{};
    std::array<uint8_t, MaxPuzzles + 1> category{};
    const int count = static_cast<int>(
        std::min(bytes.size() / CatalogueRecordSize, static_cast<size_t>(MaxPuzzles)));
    for (int k = 1; k <= count; ++k) {
        const uint8_t* record = bytes.data() + static_cast<size_t>(k - 1) * CatalogueRecordSize;
        category[k] = record[0];
        for (size_t tan = 0; tan < table[k].size(); ++tan) {
            const uint8_t* triple = record + 1 + 3 * tan;
            table[k][tan] = PieceState{triple[0], triple[1], triple[2]};
        }
    }
    game.PuzzleTable = table;
    game.PuzzleCategory = category;
    game.PuzzleCount = count;
    return count;
}

CatalogueResult LoadCatalogue(GameData& game) {
    return LoadCatalogueFile(game.ProgramDir + "mexa.dat", game);
}

CatalogueResult LoadCatalogueFile(const std::string& path, GameData& game) {
    std::vector<uint8_t> bytes(MaxCatalogueBytes);
    const std::optional<size_t> got = ReadFilePrefix(path, bytes);
    if (!got) {
        return CatalogueResult::CannotOpen;
    }
    if (*got < static_cast<size_t>(CatalogueRecordSize)) {
        return CatalogueResult::Empty;
    }
    ParseCatalogue(std::span<const uint8_t>(bytes).first(*got), game);
    // A stored level beyond the catalogue resumes at its last puzzle; one below
    // 1 (a damaged setting) at its first, since puzzles count from 1.
    game.CurrentPuzzle = NearestPuzzle(game, game.CurrentPuzzle);
    return CatalogueResult::Ok;
}

void SetUpPuzzle(GameData& game, Board& board) {
    // Every caller keeps the number within the catalogue; should one slip, the
    // nearest puzzle is laid out rather than a record that does not exist.
    game.CurrentPuzzle = NearestPuzzle(game, game.CurrentPuzzle);
    const bool valid = IsPuzzle(game, game.CurrentPuzzle);
    const Layout solution = valid ? game.PuzzleTable[game.CurrentPuzzle] : Layout{};

    game.CurrentSolution = solution;
    if (valid) {
        board.BuildTarget(solution);
    } else {
        // No puzzle at all: an empty silhouette, and the Tans at their start
        // places, so that nothing reads a record that does not exist.
        board.BoardRaster.fill(0);
        board.TargetRaster.fill(0);
        board.TargetFirstCol = 0;
        board.TargetFirstRow = 0;
    }
    for (int tan = 1; tan <= 7; ++tan) {
        board.Piece[tan] = StartLayout[tan - 1];
        board.StampPiece(tan);
    }

    // A game file may say that the first few Tans are already laid; a solved
    // puzzle is always played from the start.
    const uint8_t status = valid ? game.PuzzleStatus[game.CurrentPuzzle] : 0;
    if ((status & SolvedBit) == 0) {
        const int laid = status & 7;
        for (int tan = 1; tan <= laid; ++tan) {
            board.UnstampPiece(tan);
            board.Piece[tan] = solution[tan - 1];
            board.StampPiece(tan);
        }
    }
    board.SelectedPiece = 0;
    board.BoardState = 0;
}

void MarkSolved(GameData& game) {
    if (!IsPuzzle(game, game.CurrentPuzzle)) {
        return;
    }
    uint8_t& status = game.PuzzleStatus[game.CurrentPuzzle];
    if ((status & SolvedBit) == 0) {
        status = static_cast<uint8_t>(status | SolvedBit);
        game.ProgressChanged = true;
    }
}

}  // namespace tangram
