// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "widgets/placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <algorithm>
#include <array>

#include "store.h"

using tangram::ScreenRect;

QFont DialogFont(int pixelHeight, bool bold) {
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QPoint CentredOver(const QRect& mainFrame, int mainClientHeight, QSize dialogFrame) {
    // Integer division in C++ rounds toward zero, as the formula wants.
    return {mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2,
            mainFrame.top() + mainFrame.height() - (mainClientHeight + dialogFrame.height()) / 2};
}

namespace {

// A dialog that has never been shown has no frame yet; it will get one like
// the main window's.
QSize OuterSize(const QWidget* dialog, const QWidget* mainWindow) {
    const QSize outer = dialog->frameGeometry().size();
    if (outer != dialog->size() || mainWindow == nullptr) {
        return outer;
    }
    return dialog->size() + (mainWindow->frameGeometry().size() - mainWindow->size());
}

ScreenRect ToScreenRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const ScreenRect& r) {
    return {r.left, r.top, r.Width(), r.Height()};
}

}  // namespace

void CentreOver(QWidget* dialog, const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    dialog->move(CentredOver(mainWindow->frameGeometry(), mainWindow->height(),
                             OuterSize(dialog, mainWindow)));
}

void CentreOnScreen(QWidget* window, const QWidget* mainWindow) {
    QScreen* screen = mainWindow != nullptr && mainWindow->screen() != nullptr
                          ? mainWindow->screen()
                          : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = OuterSize(window, mainWindow);
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

std::vector<ScreenRect> ScreenRects() {
    std::vector<ScreenRect> rects;
    for (const QScreen* screen : QGuiApplication::screens()) {
        rects.push_back(ToScreenRect(screen->geometry()));
    }
    return rects;
}

QPoint MendedPosition(QPoint topLeft, QSize frameSize) {
    const auto screens = ScreenRects();
    const tangram::ScreenPoint p = tangram::MendPosition(
        {topLeft.x(), topLeft.y()}, frameSize.width(), frameSize.height(), screens);
    return {p.x, p.y};
}

// ---- the main window's placement

WindowPlacer::WindowPlacer(QWidget* window) : QObject(window), window_(window) {
    timer_.setInterval(AnimationStepMs);
    connect(&timer_, &QTimer::timeout, this, &WindowPlacer::Step);
    window->installEventFilter(this);
}

// A window restored maximised gets its stored size once it is in its normal
// state for the first time, when its frame is known.
bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange &&
        window_->windowState() == Qt::WindowNoState && wantedOuter_.isValid()) {
        QTimer::singleShot(0, this, &WindowPlacer::MatchOuterSize);
    }
    return QObject::eventFilter(watched, event);
}

tangram::WindowPlacement WindowPlacer::Current() const {
    tangram::WindowPlacement placement;
    const Qt::WindowStates state = window_->windowState();
    placement.show = (state & Qt::WindowMinimized)   ? tangram::ShowCommand::Minimised
                     : (state & Qt::WindowMaximized) ? tangram::ShowCommand::Maximised
                                                     : tangram::ShowCommand::Normal;
    // The outer bounds the window has, or had before it was maximised.
    const QRect frame = window_->frameGeometry();
    const QMargins margins(
        window_->geometry().left() - frame.left(), window_->geometry().top() - frame.top(),
        frame.right() - window_->geometry().right(), frame.bottom() - window_->geometry().bottom());
    const bool normalState = !(state & (Qt::WindowMinimized | Qt::WindowMaximized));
    QRect normal = normalState ? frame : window_->normalGeometry().marginsAdded(margins);
    if (!normalState && restoredOuter_.isValid() && window_->normalGeometry() == restoredNormal_) {
        normal = restoredOuter_;
    }
    placement.normal = ToScreenRect(normal.isValid() ? normal : frame);
    return placement;
}

void WindowPlacer::Save() {
    if (window_ == nullptr) {
        return;
    }
    const QString name = QString::fromLatin1(SettingName);
    settings::WriteSettingString(settings::Common, name,
                                 QString::fromStdString(tangram::FormatPlacement(Current())));
    settings::EraseSetting(settings::Common, name + QStringLiteral("Color"));
    settings::EraseSetting(settings::Common, name + QStringLiteral("Font"));
}

Qt::WindowStates WindowPlacer::Restore() {
    const QString text =
        settings::ReadSettingString(settings::Common, QString::fromLatin1(SettingName));
    const auto placement = tangram::ParsePlacement(text.toStdString());
    if (!placement) {
        // First start, or a value we do not understand: the design size in the
        // middle of the primary screen.
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr) {
            const QRect area = screen->geometry();
            window_->move(area.left() + (area.width() - window_->width()) / 2,
                          area.top() + (area.height() - window_->height()) / 2);
        }
        wantedOuter_ = QSize();
        restoredOuter_ = QRect();
        return Qt::WindowNoState;
    }
    const auto screens = ScreenRects();
    const ScreenRect bounds =
        screens.empty() ? placement->normal
                        : tangram::ClampToDesktop(placement->normal, tangram::DesktopBox(screens));
    // The stored bounds are the outer ones; the frame is not known before the
    // window is shown, so the size is matched again once it is.
    const QRect outer = ToQRect(bounds);
    window_->move(outer.topLeft());
    window_->resize(outer.size().expandedTo(window_->minimumSize()));
    wantedOuter_ = outer.size();
    restoredOuter_ = outer;
    restoredNormal_ = window_->geometry();
    // A window closed while minimised comes back in its normal state: a game
    // that starts invisible looks like one that did not start.
    return placement->show == tangram::ShowCommand::Maximised ? Qt::WindowMaximized
                                                              : Qt::WindowNoState;
}

void WindowPlacer::Show() {
    if (window_ == nullptr) {
        return;
    }
    state_ = Restore();
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        Finish();
        return;
    }
    QScreen* screen = window_->screen();
    to_ = state_ & Qt::WindowMaximized && screen != nullptr ? screen->availableGeometry()
                                                            : window_->frameGeometry();
    from_ = QRect(to_.center(), QSize(2, 2));
    outline_ = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                        Qt::X11BypassWindowManagerHint);
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->setAttribute(Qt::WA_ShowWithoutActivating);
    outline_->setAttribute(Qt::WA_DeleteOnClose);
    outline_->setAutoFillBackground(true);
    QPalette palette = outline_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    outline_->setPalette(palette);
    frame_ = 0;
    Step();
    timer_.start();
}

// One frame: a rectangle outline three pixels wide, a little larger each time,
// from the middle of the window to its frame. The mask leaves its inside open,
// so the desktop shows through without a compositor.
void WindowPlacer::Step() {
    ++frame_;
    if (frame_ > AnimationFrames || outline_ == nullptr) {
        Finish();
        return;
    }
    const auto lerp = [this](int a, int b) { return a + (b - a) * frame_ / AnimationFrames; };
    const QRect r(QPoint(lerp(from_.left(), to_.left()), lerp(from_.top(), to_.top())),
                  QPoint(lerp(from_.right(), to_.right()), lerp(from_.bottom(), to_.bottom())));
    outline_->setGeometry(r);
    const QRect inside = QRect(QPoint(0, 0), r.size()).adjusted(3, 3, -3, -3);
    outline_->setMask(QRegion(QRect(QPoint(0, 0), r.size())) - QRegion(inside));
    outline_->show();
    // At once, so the grown edges do not wait for the next paint event.
    outline_->repaint();
}

void WindowPlacer::Finish() {
    timer_.stop();
    if (outline_ != nullptr) {
        outline_->close();
        outline_ = nullptr;
    }
    if (window_ == nullptr) {
        return;
    }
    window_->setWindowState(state_);
    window_->show();
    // The game comes to the front at start, even where no window manager
    // hands out the focus.
    window_->raise();
    window_->activateWindow();
    if (wantedOuter_.isValid() && !(state_ & Qt::WindowMaximized)) {
        // The window manager frames the window a moment after it is shown.
        QTimer::singleShot(200, this, &WindowPlacer::MatchOuterSize);
    }
}

void WindowPlacer::MatchOuterSize() {
    if (window_ == nullptr || window_->windowState() != Qt::WindowNoState ||
        !wantedOuter_.isValid()) {
        return;
    }
    const QSize frame = window_->frameGeometry().size() - window_->size();
    const QSize wanted = wantedOuter_ - frame;
    wantedOuter_ = QSize();
    restoredOuter_ = QRect();
    if (window_->size() != wanted) {
        window_->resize(wanted.expandedTo(window_->minimumSize()));
    }
}
