// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Any text as the stored main-window placement, and any screens after a line
// break: the desktop encloses every screen; a placement is either refused or
// read into a window with area that formats back to the same text, and kept
// on the desktop it fits on it, shrunk only where it was larger.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "placement.h"

namespace {

using tangram::ScreenRect;

void Check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

int64_t Width(const ScreenRect& r) {
    return int64_t{r.right} - r.left;
}
int64_t Height(const ScreenRect& r) {
    return int64_t{r.bottom} - r.top;
}

// Up to four screens of four 32-bit numbers each.
std::vector<ScreenRect> Screens(std::string_view bytes) {
    std::vector<ScreenRect> screens;
    while (bytes.size() >= sizeof(int32_t) * 4 && screens.size() < 4) {
        int32_t v[4];
        std::memcpy(v, bytes.data(), sizeof v);
        screens.push_back({v[0], v[1], v[2], v[3]});
        bytes.remove_prefix(sizeof v);
    }
    return screens;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<ScreenRect> screens{{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    if (const size_t newline = text.find('\n'); newline != std::string_view::npos) {
        screens = Screens(text.substr(newline + 1));
        text = text.substr(0, newline);
    }
    const ScreenRect desktop = tangram::DesktopBox(screens);
    for (const ScreenRect& s : screens) {
        Check(desktop.left <= s.left && desktop.top <= s.top && desktop.right >= s.right &&
              desktop.bottom >= s.bottom);
    }

    const auto placement = tangram::ParsePlacement(text);
    if (!placement) {
        return 0;
    }
    Check(tangram::ParsePlacement(tangram::FormatPlacement(*placement)) == placement);
    const ScreenRect& normal = placement->normal;
    Check(Width(normal) > 0 && Height(normal) > 0);
    if (Width(desktop) <= 0 || Height(desktop) <= 0) {
        return 0;
    }
    const ScreenRect shrunk = tangram::ShrinkToDesktop(normal, desktop);
    Check(Width(shrunk) == std::min(Width(normal), Width(desktop)) &&
          Height(shrunk) == std::min(Height(normal), Height(desktop)));
    const ScreenRect kept = tangram::ClampToDesktop(shrunk, desktop);
    Check(Width(kept) == Width(shrunk) && Height(kept) == Height(shrunk));
    Check(kept.left >= desktop.left && kept.top >= desktop.top && kept.right <= desktop.right &&
          kept.bottom <= desktop.bottom);
    tangram::MendPosition({normal.left, normal.top}, static_cast<int>(Width(kept)),
                          static_cast<int>(Height(kept)), screens);
    return 0;
}
