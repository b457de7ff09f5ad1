// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any bytes as a game file: loading must take them as status bytes, never
// more than the catalogue's count, and saving them back must give the same
// bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "data.h"
#include "gamefile.h"

namespace {

std::string ScratchPath(const char* what) {
    return "/tmp/tangram-fuzz-" + std::to_string(getpid()) + "-" + what + ".mxg";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string in = ScratchPath("in");
    const std::string out = ScratchPath("out");
    {
        std::ofstream f(in, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    auto game = std::make_unique<tangram::GameData>();
    // The first byte picks the catalogue size, so short catalogues are covered.
    game->PuzzleCount = size > 0 ? data[0] % (tangram::MaxPuzzles + 1) : tangram::MaxPuzzles;
    if (tangram::LoadGame(*game, in) != tangram::GameFileResult::Ok) {
        __builtin_trap();
    }
    const size_t expected = std::min(size, static_cast<size_t>(game->PuzzleCount));
    for (size_t k = 0; k < expected; ++k) {
        if (game->PuzzleStatus[k + 1] != data[k]) {
            __builtin_trap();
        }
    }
    if (tangram::SaveGame(*game, out) != tangram::GameFileResult::Ok) {
        __builtin_trap();
    }
    std::ifstream f(out, std::ios::binary);
    const std::vector<char> written{std::istreambuf_iterator<char>(f), {}};
    if (written.size() != static_cast<size_t>(game->PuzzleCount)) {
        __builtin_trap();
    }
    std::remove(in.c_str());
    std::remove(out.c_str());
    return 0;
}
