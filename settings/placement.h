// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The main window's stored placement ("MainForm"): the text form, and keeping
// windows on the desktop. Plain C++ so that the parser can be fuzzed and
// tested without a window system.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tangram {

// Screen rectangle in pixels; right and bottom are exclusive.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The window's show state as it is stored.
enum class ShowCommand { Normal = 1, Minimised = 2, Maximised = 3 };

struct WindowPlacement {
    int flags = 0;
    ShowCommand show = ShowCommand::Normal;
    ScreenRect normal;  // the bounds in the normal state, whatever the state
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The marker that opens every stored placement.
inline constexpr int PlacementMarker = 200;
// A stored size beyond this is damage, not a window.
inline constexpr int MaxWindowExtent = 100000;

// "200,flags,show,left,top,right,bottom": exactly seven decimal integers with
// single commas and no blanks. Anything else, an unknown show state or a
// window without area is no placement at all, so the caller centres the window.
std::optional<WindowPlacement> ParsePlacement(std::string_view text);
std::string FormatPlacement(const WindowPlacement& placement);

// Moves `bounds` onto the desktop without changing its size: its right edge
// first, then bottom, left and top, so a window larger than the desktop keeps
// its top-left corner on it.
ScreenRect ClampToDesktop(ScreenRect bounds, const ScreenRect& desktop);

// Bounds wider or taller than the desktop, which only a damaged value gives,
// are cut to its width and height from their top-left corner; the window and
// its board picture would otherwise grow with them.
ScreenRect ShrinkToDesktop(ScreenRect bounds, const ScreenRect& desktop);

// The box enclosing all screens.
ScreenRect DesktopBox(std::span<const ScreenRect> screens);

// A window whose visible part on every screen is smaller than a grip (or that
// lies off every screen) is moved onto the screen nearest to it, fully inside
// as far as its size allows; otherwise it stays where it is.
struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};
inline constexpr int MinVisibleGrip = 24;
ScreenPoint MendPosition(ScreenPoint topLeft, int width, int height,
                         std::span<const ScreenRect> screens);

}  // namespace tangram
