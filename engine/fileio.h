// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Reading and writing the game's small data files (the catalogue, a saved
// game): plain files only, so that a folder, a pipe or a device given as a file
// name neither hangs nor confuses the game, and a file is replaced only by a
// complete new one.
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

enum class WriteResult {
    Ok,
    CannotCreate,  // no file could be made, or the path names no writable plain file
    WriteFailed,   // writing failed; the previous file is left as it was, unless it
                   // was being written in place
};

// Makes `bytes` the contents of the file at `path` (through a symbolic link, its
// target). The new contents go into a temporary file beside it that replaces
// it once complete; a program that dies meanwhile leaves no temporary behind
// where the file system offers unnamed files, and temporaries left by earlier
// runs are removed. Where no temporary can be made (a folder that is not
// writable), an existing writable file is written in place.
WriteResult ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace tangram
