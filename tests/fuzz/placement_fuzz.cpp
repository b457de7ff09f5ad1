// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any text as the stored main-window placement: it is either refused or read
// into a window with area that formats back to the same text, and keeping it on
// any desktop never changes its size.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "placement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto placement = tangram::ParsePlacement(text);
    if (!placement) {
        return 0;
    }
    if (tangram::ParsePlacement(tangram::FormatPlacement(*placement)) != placement) {
        __builtin_trap();
    }
    const tangram::ScreenRect desktop{0, 0, 1920, 1080};
    const tangram::ScreenRect kept = tangram::ClampToDesktop(placement->normal, desktop);
    if (kept.Width() != placement->normal.Width() || kept.Height() != placement->normal.Height()) {
        __builtin_trap();
    }
    const tangram::ScreenRect screens[] = {desktop, {1920, 0, 3200, 1024}};
    tangram::MendPosition({placement->normal.left, placement->normal.top},
                          placement->normal.Width(), placement->normal.Height(), screens);
    return 0;
}
