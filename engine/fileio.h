// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Reading the game's small data files (the catalogue, a saved game): plain
// files only, so that a folder, a pipe or a device given as a file name
// neither hangs nor confuses the game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tangram {

// Reads the first bytes of a regular file into `into`, as many as fit or as the
// file holds, and returns how many it read. Nothing when the file cannot be
// opened, is no regular file or a read fails.
std::optional<size_t> ReadFilePrefix(const std::string& path, std::span<uint8_t> into);

}  // namespace tangram
