// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "widgets/opening.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPalette>
#include <QRegion>
#include <QWidget>

#include "widgets/openingtimes.h"
#include "widgets/x11frame.h"

OpeningAnimation::OpeningAnimation(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &OpeningAnimation::Step);
}

OpeningAnimation::~OpeningAnimation() {
    delete outline_;
}

bool OpeningAnimation::Visible() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && !platform.startsWith(QLatin1String("wayland"));
}

void OpeningAnimation::Start(const QRect& to) {
    if (!Visible() || Running()) {
        return;
    }
    to_ = to;
    from_ = QRect(to.center(), QSize(2, 2));
    outline_ = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                        Qt::X11BypassWindowManagerHint);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->setAttribute(Qt::WA_ShowWithoutActivating);
    outline_->setAutoFillBackground(true);
    QPalette palette = outline_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    outline_->setPalette(palette);
    clock_.start();
    frame_ = 0;
    lastShown_ = false;
    Step();
    // The X server hears of the first frame now, not when the start-up next
    // waits for events.
    x11::Flush();
}

void OpeningAnimation::Retarget(const QRect& to) {
    to_ = to;
}

// One frame: a rectangle outline three pixels wide, a little larger each time.
// The mask leaves its inside open, so the desktop shows through without a
// compositor. Frame k is due (k - 1) steps after the first, whatever the work
// between two frames took; the window follows one step after the last.
void OpeningAnimation::Step() {
    if (outline_ == nullptr) {
        return;
    }
    if (frame_ == opening::Frames) {
        // The last frame has had its time; it stays until the window is
        // there to take its place.
        lastShown_ = true;
        if (done_) {
            Finish();
        }
        return;
    }
    ++frame_;
    const auto lerp = [this](int a, int b) { return a + (b - a) * frame_ / opening::Frames; };
    const QRect r(QPoint(lerp(from_.left(), to_.left()), lerp(from_.top(), to_.top())),
                  QPoint(lerp(from_.right(), to_.right()), lerp(from_.bottom(), to_.bottom())));
    outline_->setGeometry(r);
    const QRect inside = QRect(QPoint(0, 0), r.size()).adjusted(3, 3, -3, -3);
    outline_->setMask(QRegion(QRect(QPoint(0, 0), r.size())) - QRegion(inside));
    outline_->show();
    // At once, so the grown edges do not wait for the next paint event.
    outline_->repaint();
    timer_.start(static_cast<int>(opening::MsToNextFrame(frame_, clock_.elapsed())));
    emit frameDrawn();
}

void OpeningAnimation::NextFrame() {
    if (!Running() || frame_ == opening::Frames) {
        return;
    }
    QEventLoop loop;
    connect(this, &OpeningAnimation::frameDrawn, &loop, &QEventLoop::quit);
    const int before = frame_;
    while (Running() && frame_ == before) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

void OpeningAnimation::WhenDone(std::function<void()> done) {
    done_ = std::move(done);
    if (!Running() || lastShown_) {
        Finish();
    }
}

void OpeningAnimation::Stop() {
    done_ = nullptr;
    Finish();
}

void OpeningAnimation::Finish() {
    timer_.stop();
    delete outline_;
    outline_ = nullptr;
    emit frameDrawn();
    if (done_) {
        std::function<void()> done = std::move(done_);
        done_ = nullptr;
        done();
    }
}
