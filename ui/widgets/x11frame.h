// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// What the game says to an X11 window manager beyond Qt's window flags, and
// what it asks of one: the frame a window gets, known before the window is
// shown, so that a window can be put where its outer edge belongs at once.
// Everything here does nothing, or answers "unknown", off X11. Sizes and
// positions are in Qt's pixels, the X server's divided by the scale factor.
#pragma once

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

namespace x11 {

// True when the program talks to an X server.
bool Connected();

// Sends what Qt has asked of the X server so far, at once: Qt otherwise
// sends it when the program next waits for events.
void Flush();

// The pattern window's kind: a small floating tool window that the player can
// move and nothing else, with a title bar but no buttons and no window menu.
// Call after the native window exists and before it is shown.
void MarkMoveOnlyTool(const QWidget* window);

// Names the desktop entry of the window's program, by the id that Wayland's
// app id gives, in the properties by which docks and task bars of KDE and of
// GTK's kind find it. Call after the native window exists and before it is
// shown.
void NameDesktopEntry(const QWidget* window);

// The frame round the window, in pixels on each side. For a window not shown
// yet the window manager is asked what it will put round it; a bare X server
// puts none. Unknown where the window manager does not answer.
std::optional<QMargins> FrameExtents(const QWidget* window);

// True when the window manager has the window maximised or full-screen now,
// unknown off X11. Window managers say so before they resize the window, and
// Qt hears of the new state only after the new size.
std::optional<bool> Enlarged(const QWidget* window);

// The window's client area on the screen as the X server has it now; Qt
// hears of a change the window manager made only a little later.
std::optional<QRect> ClientGeometry(const QWidget* window);

}  // namespace x11
