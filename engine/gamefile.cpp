// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "gamefile.h"

#include <algorithm>
#include <span>

#include "fileio.h"

namespace tangram {

GameFileResult LoadGame(GameData& game, const std::string& path) {
    // Read aside first: the progress in memory survives a file that fails half way.
    const int puzzles = PuzzleTotal(game);
    std::array<uint8_t, MaxPuzzles + 1> status{};
    if (!ReadFilePrefix(path, std::span(status).subspan(1, static_cast<size_t>(puzzles)))) {
        return GameFileResult::CannotOpen;
    }
    // A short file leaves the remaining puzzles unsolved.
    std::copy(status.begin() + 1, status.begin() + 1 + puzzles, game.PuzzleStatus.begin() + 1);
    return GameFileResult::Ok;
}

GameFileResult SaveGame(const GameData& game, const std::string& path) {
    const auto bytes =
        std::span(game.PuzzleStatus).subspan(1, static_cast<size_t>(PuzzleTotal(game)));
    switch (ReplaceFile(path, bytes)) {
        case WriteResult::Ok:
            return GameFileResult::Ok;
        case WriteResult::CannotCreate:
            return GameFileResult::CannotCreate;
        case WriteResult::WriteFailed:
            break;
    }
    return GameFileResult::WriteFailed;
}

}  // namespace tangram
