// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Game files (*.mxg): one status byte per puzzle, no header.
#pragma once

#include <string>

#include "data.h"

namespace tangram {

enum class GameFileResult {
    Ok,
    CannotOpen,    // load: missing, unreadable or not a plain file
    CannotCreate,  // save: the file could neither be created nor written in place
    WriteFailed,   // save: writing failed; the previous file is left as it was
};

// Replaces PuzzleStatus[1..PuzzleCount] with the file's bytes in order; a short
// file leaves the remaining puzzles at 0, extra bytes are ignored. Nothing
// changes unless the result is Ok.
GameFileResult LoadGame(GameData& game, const std::string& path);

// Writes PuzzleStatus[1..PuzzleCount] through a temporary file that replaces
// `path` only once it is complete; in a folder where no temporary can be made,
// a writable game file there is written in place.
GameFileResult SaveGame(const GameData& game, const std::string& path);

}  // namespace tangram
