// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Where the game's windows go: the main window's placement kept in the
// settings ("MainForm"), shown with an exploding rectangle; dialogs centred
// over the main window; the pattern window kept on a screen.
#pragma once

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include "settings/placement.h"

// The look of the game's small windows: the desktop's sans-serif font at a
// fixed pixel height, so the dialogs do not grow with the system font size.
QFont DialogFont(int pixelHeight, bool bold);

// Puts the dialog over the main window: its left edge half the difference of
// the outer widths right of the main window's, its top half its own outer
// height and half the main window's client height above the main window's
// bottom. Divisions round toward zero.
QPoint CentredOver(const QRect& mainFrame, int mainClientHeight, QSize dialogFrame);
// Both put the dialog's outer frame in place before it is shown, so it is
// where it belongs from its first showing on.
void CentreOver(QWidget* dialog, const QWidget* mainWindow);
// Centres the window on the screen the main window is on (the primary screen
// when there is none).
void CentreOnScreen(QWidget* window, const QWidget* mainWindow);

// The frame the window manager puts round the window, or will put round one
// not shown yet; where it cannot tell, the frame of the window `like`, else
// none.
QMargins FrameOf(const QWidget* window, const QWidget* like = nullptr);
// The window's client area on the screen, as it is at this moment.
QRect ClientBounds(const QWidget* window);
// The window's outer bounds: its client area and the frame round it.
QRect OuterBounds(const QWidget* window);
// Moves the window so that its outer top-left corner lies at `corner`, given
// the frame it has or will get.
void PlaceOuter(QWidget* window, QPoint corner, const QMargins& frame);
// False where the window system keeps the placing of windows to itself
// (Wayland): there a window's position can be neither set nor read.
bool WindowsCanBePlaced();

// The screens as plain rectangles, for the arithmetic of settings/placement.h.
std::vector<tangram::ScreenRect> ScreenRects();
// A window position lost off every screen comes back onto the nearest one.
QPoint MendedPosition(QPoint topLeft, QSize frameSize);

// Where the main window's outer frame is going to be, before the window
// exists, for the opening animation: the stored placement as WindowPlacer
// restores it, or a client area of the given size in the middle of the primary
// screen. The frame the window manager adds is not known yet there.
QRect ExpectedOuterBounds(QSize client, QSize minimum);

class OpeningAnimation;

// Keeps the main window's placement between runs. Show() restores the stored
// placement (or centres the window at its design size) and shows the window
// with an exploding rectangle; Save() stores it again.
class WindowPlacer : public QObject {
    Q_OBJECT
public:
    static constexpr const char* SettingName = "MainForm";

    explicit WindowPlacer(QWidget* window);

    // Restores and shows the window when the opening animation is over: the
    // one running since the start, which now grows toward the window's real
    // bounds, or one of its own. Shows it at once where no animation can be
    // seen (the offscreen platform).
    void Show(OpeningAnimation* opening = nullptr);
    // Writes "MainForm" from the window's normal bounds and state, and erases
    // the colour and font the game does not keep.
    void Save();
    // The placement of the window as it is now.
    tangram::WindowPlacement Current() const;
    // Applies a placement, or centres the window on the primary screen when
    // there is none; returns the window state to show it in.
    Qt::WindowStates Restore();

signals:
    // The window is on the screen.
    void shown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Maximised or full-screen now, in the window manager's word where there
    // is one.
    bool Enlarged() const;
    void Finish();
    // Takes the window's bounds and frame as the normal ones, if it is in the
    // normal state now.
    void TakeNormalBounds();

    // How long the window must stay put before its bounds count as the
    // normal ones; far longer than a window manager takes to maximise.
    static constexpr int RestingTime = 500;  // ms

    QPointer<QWidget> window_;
    // The frame of the window in its normal state. A maximised window has
    // another one (often none at the sides), so its normal bounds are its
    // normal client area with this frame.
    QMargins normalFrame_;
    // The client area in the normal state: where the window last rested in
    // it, or as placed.
    QRect normalClient_;
    // Runs while the window moves in the normal state; when it runs out, the
    // window has rested.
    QTimer settle_;
    // Maximised (or full-screen) when last seen on the screen.
    bool enlarged_ = false;
    // Shown maximised at the start and not in the normal state since.
    bool startedEnlarged_ = false;
    // Where the outer top-left corner was put at the start, and the frame it
    // was put with.
    QPoint placedCorner_;
    QMargins placedFrame_;
    Qt::WindowStates state_ = Qt::WindowNoState;
};
