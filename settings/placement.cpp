// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "placement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace tangram {

namespace {

// A whole decimal integer of 32 bits: an optional minus and digits only.
std::optional<int> ParseInt(std::string_view part) {
    if (part.empty() || part.front() == '+') {
        return std::nullopt;
    }
    int value = 0;
    const char* end = part.data() + part.size();
    const auto [ptr, ec] = std::from_chars(part.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

int64_t Overlap(int64_t a1, int64_t a2, int64_t b1, int64_t b2) {
    return std::max<int64_t>(0, std::min(a2, b2) - std::max(a1, b1));
}

// Distance between two rectangles along one axis; 0 when they overlap there.
int64_t Gap(int64_t a1, int64_t a2, int64_t b1, int64_t b2) {
    return std::max<int64_t>({0, b1 - a2, a1 - b2});
}

// Shifts [pos, pos + extent) into [lo, hi) as far as the extent allows; a
// window larger than the range keeps its start at lo.
int64_t Fit(int64_t pos, int64_t extent, int64_t lo, int64_t hi) {
    if (pos + extent > hi) {
        pos = hi - extent;
    }
    return std::max(pos, lo);
}

}  // namespace

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    std::array<int, 7> parts{};
    size_t count = 0;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string_view part = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        if (count == parts.size()) {
            return std::nullopt;
        }
        const std::optional<int> value = ParseInt(part);
        if (!value) {
            return std::nullopt;
        }
        parts[count++] = *value;
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (count != parts.size() || parts[0] != PlacementMarker) {
        return std::nullopt;
    }
    if (parts[2] < 1 || parts[2] > 3) {
        return std::nullopt;
    }
    WindowPlacement placement;
    placement.flags = parts[1];
    placement.show = static_cast<ShowCommand>(parts[2]);
    placement.normal = {parts[3], parts[4], parts[5], parts[6]};
    const int64_t width = int64_t{parts[5]} - parts[3];
    const int64_t height = int64_t{parts[6]} - parts[4];
    if (width <= 0 || height <= 0 || width > MaxWindowExtent || height > MaxWindowExtent) {
        return std::nullopt;
    }
    return placement;
}

std::string FormatPlacement(const WindowPlacement& placement) {
    std::string text = std::to_string(PlacementMarker);
    for (int value : {placement.flags, static_cast<int>(placement.show), placement.normal.left,
                      placement.normal.top, placement.normal.right, placement.normal.bottom}) {
        text += ',';
        text += std::to_string(value);
    }
    return text;
}

ScreenRect ClampToDesktop(ScreenRect bounds, const ScreenRect& desktop) {
    // Computed wide, so that bounds near the ends of int cannot overflow.
    int64_t left = bounds.left, top = bounds.top;
    const int64_t width = int64_t{bounds.right} - bounds.left;
    const int64_t height = int64_t{bounds.bottom} - bounds.top;
    if (left + width > desktop.right) {
        left = int64_t{desktop.right} - width;
    }
    if (top + height > desktop.bottom) {
        top = int64_t{desktop.bottom} - height;
    }
    left = std::max<int64_t>(left, desktop.left);
    top = std::max<int64_t>(top, desktop.top);
    const auto narrow = [](int64_t v) {
        return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int>::min(),
                                                    std::numeric_limits<int>::max()));
    };
    return {narrow(left), narrow(top), narrow(left + width), narrow(top + height)};
}

ScreenRect ShrinkToDesktop(ScreenRect bounds, const ScreenRect& desktop) {
    // Computed wide, so that no bounds and no desktop can overflow.
    const int64_t width =
        std::min(int64_t{bounds.right} - bounds.left, int64_t{desktop.right} - desktop.left);
    const int64_t height =
        std::min(int64_t{bounds.bottom} - bounds.top, int64_t{desktop.bottom} - desktop.top);
    bounds.right = static_cast<int>(bounds.left + width);
    bounds.bottom = static_cast<int>(bounds.top + height);
    return bounds;
}

ScreenRect DesktopBox(std::span<const ScreenRect> screens) {
    if (screens.empty()) {
        return {};
    }
    ScreenRect box = screens.front();
    for (const ScreenRect& s : screens) {
        box.left = std::min(box.left, s.left);
        box.top = std::min(box.top, s.top);
        box.right = std::max(box.right, s.right);
        box.bottom = std::max(box.bottom, s.bottom);
    }
    return box;
}

ScreenPoint MendPosition(ScreenPoint topLeft, int width, int height,
                         std::span<const ScreenRect> screens) {
    if (screens.empty()) {
        return topLeft;
    }
    const int64_t x1 = topLeft.x, y1 = topLeft.y;
    const int64_t x2 = x1 + std::max(width, 1), y2 = y1 + std::max(height, 1);
    const int64_t needX = std::min<int64_t>(MinVisibleGrip, x2 - x1);
    const int64_t needY = std::min<int64_t>(MinVisibleGrip, y2 - y1);
    const ScreenRect* nearest = nullptr;
    double nearestGap = std::numeric_limits<double>::max();
    for (const ScreenRect& s : screens) {
        if (Overlap(x1, x2, s.left, s.right) >= needX &&
            Overlap(y1, y2, s.top, s.bottom) >= needY) {
            return topLeft;
        }
        const int64_t gx = Gap(x1, x2, s.left, s.right);
        const int64_t gy = Gap(y1, y2, s.top, s.bottom);
        const double gap = double(gx) * double(gx) + double(gy) * double(gy);
        if (gap < nearestGap) {
            nearestGap = gap;
            nearest = &s;
        }
    }
    return {static_cast<int>(Fit(x1, x2 - x1, nearest->left, nearest->right)),
            static_cast<int>(Fit(y1, y2 - y1, nearest->top, nearest->bottom))};
}

}  // namespace tangram
