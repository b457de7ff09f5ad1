// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// The opening animation: a rectangle outline that grows from the middle of the
// main window's place to its outer frame. It starts before anything else is
// made, on the bounds the window is going to get, so the player sees the game
// come up at once; the rest of the start-up is done between its frames.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <functional>

class QWidget;

class OpeningAnimation : public QObject {
    Q_OBJECT
public:
    explicit OpeningAnimation(QObject* parent = nullptr);
    ~OpeningAnimation() override;

    // False where nothing can be seen (the offscreen platform) or the
    // outline would be a window of its own, put wherever the compositor likes
    // (Wayland).
    static bool Visible();

    // Draws the first frame at once, growing toward `to`, and hands it to the
    // window system before returning. Does nothing where the animation is not
    // visible.
    void Start(const QRect& to);
    // The window's real outer bounds, once it is placed; the frames still to
    // come grow toward them.
    void Retarget(const QRect& to);
    // Runs the event loop until the next frame has been drawn, so that the
    // work that follows fills the gap to the frame after it. Returns at once
    // when the animation is not running.
    void NextFrame();
    // `done` runs once the last frame has had its time and the outline is
    // gone; at once when the animation is not running or already over. The
    // last frame stays on the screen until then.
    void WhenDone(std::function<void()> done);
    // Takes the outline off the screen at once, before a message box or when
    // the program ends early; `done` does not run then.
    void Stop();
    bool Running() const { return outline_ != nullptr; }
    // The frames drawn so far.
    int FramesDrawn() const { return frame_; }

signals:
    void frameDrawn();

private:
    void Step();
    void Finish();

    QWidget* outline_ = nullptr;
    QTimer timer_;
    QElapsedTimer clock_;
    int frame_ = 0;
    // The last frame has had its time.
    bool lastShown_ = false;
    QRect from_;
    QRect to_;
    std::function<void()> done_;
};
