// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "widgets/placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "store.h"
#include "widgets/opening.h"
#include "x11frame.h"

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

ScreenRect ToScreenRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect ToQRect(const ScreenRect& r) {
    return {r.left, r.top, r.Width(), r.Height()};
}

// The frame Qt has seen round a window that has been shown.
std::optional<QMargins> QtFrame(const QWidget* window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    if (outer == inner) {
        return std::nullopt;
    }
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

}  // namespace

QMargins FrameOf(const QWidget* window, const QWidget* like) {
    if (x11::Connected()) {
        if (auto frame = x11::FrameExtents(window)) {
            return *frame;
        }
    }
    if (auto seen = QtFrame(window)) {
        return *seen;
    }
    if (like != nullptr) {
        return FrameOf(like);
    }
    return {};
}

QRect ClientBounds(const QWidget* window) {
    if (x11::Connected() && window->isVisible()) {
        if (auto client = x11::ClientGeometry(window)) {
            return *client;
        }
    }
    return window->geometry();
}

QRect OuterBounds(const QWidget* window) {
    if (x11::Connected()) {
        if (auto frame = x11::FrameExtents(window)) {
            return ClientBounds(window).marginsAdded(*frame);
        }
    }
    return window->frameGeometry();
}

// The client area goes where the frame leaves room for it; Qt tells the window
// manager to keep a client placed this way where it is. The native window is
// told too: a widget's geometry alone leaves a window made beforehand to be
// placed by the window manager.
void PlaceOuter(QWidget* window, QPoint corner, const QMargins& frame) {
    const QRect client(corner + QPoint(frame.left(), frame.top()), window->size());
    window->setGeometry(client);
    if (QWindow* handle = window->windowHandle()) {
        handle->setGeometry(client);
    }
}

bool WindowsCanBePlaced() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CentreOver(QWidget* dialog, const QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    const QMargins frame = FrameOf(dialog, mainWindow);
    PlaceOuter(dialog,
               CentredOver(OuterBounds(mainWindow), ClientBounds(mainWindow).height(),
                           dialog->size().grownBy(frame)),
               frame);
}

void CentreOnScreen(QWidget* window, const QWidget* mainWindow) {
    QScreen* screen = mainWindow != nullptr && mainWindow->screen() != nullptr
                          ? mainWindow->screen()
                          : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QMargins frame = FrameOf(window, mainWindow);
    const QSize outer = window->size().grownBy(frame);
    PlaceOuter(window,
               QPoint(area.left() + (area.width() - outer.width()) / 2,
                      area.top() + (area.height() - outer.height()) / 2),
               frame);
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
    window->installEventFilter(this);
    settle_.setSingleShot(true);
    settle_.setInterval(RestingTime);
    connect(&settle_, &QTimer::timeout, this, &WindowPlacer::TakeNormalBounds);
}

// The bounds and the frame of the normal state are taken up again whenever
// the window has rested in it for a moment. The window manager's word counts,
// not Qt's: on the way to the maximised state a window manager may move the
// window, change its frame and resize it before it tells of the new state, and
// none of those passing bounds is the normal one.
bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // Going from the screen just after a move: the bounds it rested at last.
    if (watched == window_ && type == QEvent::Hide && settle_.isActive()) {
        settle_.stop();
        TakeNormalBounds();
    }
    if (watched == window_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize ||
         type == QEvent::WindowStateChange) &&
        window_->isVisible()) {
        const bool enlarged = Enlarged();
        // A window shown maximised at the start has never been in its normal
        // state, and window managers do not all know which bounds to give it
        // when it leaves the maximised one: it takes the stored ones itself.
        if (enlarged_ && !enlarged && startedEnlarged_) {
            startedEnlarged_ = false;
            const QRect client = ClientBounds(window_);
            if (client != normalClient_ && normalClient_.isValid()) {
                const QRect wanted = normalClient_;
                QTimer::singleShot(0, this, [this, wanted] {
                    if (window_ != nullptr && !Enlarged()) {
                        window_->resize(wanted.size());
                        PlaceOuter(
                            window_,
                            wanted.topLeft() - QPoint(normalFrame_.left(), normalFrame_.top()),
                            normalFrame_);
                    }
                });
            }
        }
        if (enlarged || window_->isMinimized()) {
            settle_.stop();
        } else if (!normalClient_.isValid()) {
            TakeNormalBounds();
        } else {
            settle_.start();
        }
        enlarged_ = enlarged;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacer::TakeNormalBounds() {
    if (window_ == nullptr || window_->isMinimized() || Enlarged()) {
        return;
    }
    normalClient_ = ClientBounds(window_);
    normalFrame_ = FrameOf(window_);
}

bool WindowPlacer::Enlarged() const {
    return x11::Enlarged(window_).value_or(
        (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0);
}

tangram::WindowPlacement WindowPlacer::Current() const {
    tangram::WindowPlacement placement;
    // A window that has gone from the screen keeps the state it last had
    // there; the window manager forgets it with the window.
    const bool minimised = window_->isMinimized();
    const bool maximised = window_->isVisible() ? Enlarged() : enlarged_;
    placement.show = minimised   ? tangram::ShowCommand::Minimised
                     : maximised ? tangram::ShowCommand::Maximised
                                 : tangram::ShowCommand::Normal;
    // The outer bounds the window has, or had before it was maximised.
    const bool normalState = !minimised && !maximised && window_->isVisible();
    const QRect client = normalClient_.isValid() ? normalClient_ : window_->normalGeometry();
    const QRect normal = normalState ? OuterBounds(window_) : client.marginsAdded(normalFrame_);
    QRect bounds = normal.isValid() ? normal : OuterBounds(window_);
    // Wayland tells no program where its windows are: the position stays the
    // one the window was given, for the next start under X11. The frame there
    // is one Qt draws itself once the window is shown; counting it would grow
    // the stored window by it at every start, so the frame the window was
    // given room for stays too.
    if (!WindowsCanBePlaced()) {
        const QSize size = normalClient_.isValid() ? normalClient_.size() : window_->size();
        bounds = QRect(placedCorner_, size.grownBy(placedFrame_));
    }
    placement.normal = ToScreenRect(bounds);
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

namespace {

// The stored placement, with its bounds brought onto today's desktop.
struct StoredPlacement {
    QRect outer;
    bool maximised = false;
};

std::optional<StoredPlacement> ReadStoredPlacement() {
    const QString text = settings::ReadSettingString(
        settings::Common, QString::fromLatin1(WindowPlacer::SettingName));
    const auto placement = tangram::ParsePlacement(text.toStdString());
    if (!placement) {
        return std::nullopt;
    }
    const auto screens = ScreenRects();
    const ScreenRect desktop = tangram::DesktopBox(screens);
    const ScreenRect bounds =
        screens.empty() ? placement->normal
                        : tangram::ClampToDesktop(
                              tangram::ShrinkToDesktop(placement->normal, desktop), desktop);
    // A window closed while minimised comes back in its normal state: a game
    // that starts invisible looks like one that did not start.
    return StoredPlacement{ToQRect(bounds), placement->show == tangram::ShowCommand::Maximised};
}

// A first start, or a value we do not understand: the design size in the
// middle of the primary screen's free area, smaller where it does not fit.
// Gives the client size and the outer top-left corner.
std::optional<std::pair<QSize, QPoint>> FirstStartPlace(QSize client, QSize minimum,
                                                        const QMargins& frame) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    const QRect area = screen->availableGeometry();
    const QSize fitted = client.boundedTo(area.size().shrunkBy(frame)).expandedTo(minimum);
    const QSize outer = fitted.grownBy(frame);
    return std::pair{fitted, QPoint(area.left() + (area.width() - outer.width()) / 2,
                                    area.top() + (area.height() - outer.height()) / 2)};
}

}  // namespace

QRect ExpectedOuterBounds(QSize client, QSize minimum) {
    if (const auto stored = ReadStoredPlacement()) {
        QScreen* screen = QGuiApplication::screenAt(stored->outer.center());
        if (screen == nullptr) {
            screen = QGuiApplication::primaryScreen();
        }
        return stored->maximised && screen != nullptr ? screen->availableGeometry() : stored->outer;
    }
    if (const auto first = FirstStartPlace(client, minimum, QMargins())) {
        return {first->second, first->first};
    }
    return {};
}

// Everything is put in place before the window is shown: the window manager
// tells the frame it will add beforehand, so the outer bounds come out right
// at once.
Qt::WindowStates WindowPlacer::Restore() {
    window_->winId();
    normalFrame_ = FrameOf(window_);
    placedFrame_ = normalFrame_;
    const auto stored = ReadStoredPlacement();
    if (!stored) {
        if (const auto first =
                FirstStartPlace(window_->size(), window_->minimumSize(), normalFrame_)) {
            window_->resize(first->first);
            placedCorner_ = first->second;
            PlaceOuter(window_, placedCorner_, normalFrame_);
            normalClient_ = window_->geometry();
        }
        return Qt::WindowNoState;
    }
    window_->resize(stored->outer.size().shrunkBy(normalFrame_).expandedTo(window_->minimumSize()));
    placedCorner_ = stored->outer.topLeft();
    PlaceOuter(window_, placedCorner_, normalFrame_);
    normalClient_ = window_->geometry();
    return stored->maximised ? Qt::WindowMaximized : Qt::WindowNoState;
}

void WindowPlacer::Show(OpeningAnimation* opening) {
    if (window_ == nullptr) {
        return;
    }
    state_ = Restore();
    enlarged_ = (state_ & Qt::WindowMaximized) != 0;
    startedEnlarged_ = enlarged_;
    if (!OpeningAnimation::Visible()) {
        Finish();
        return;
    }
    QScreen* screen = window_->screen();
    const QRect to = state_ & Qt::WindowMaximized && screen != nullptr
                         ? screen->availableGeometry()
                         : window_->geometry().marginsAdded(normalFrame_);
    if (opening == nullptr) {
        opening = new OpeningAnimation(this);
        opening->Start(to);
    } else {
        opening->Retarget(to);
    }
    opening->WhenDone([this] { Finish(); });
}

void WindowPlacer::Finish() {
    if (window_ == nullptr) {
        return;
    }
    window_->setWindowState(state_);
    window_->show();
    // The game comes to the front at start, even where no window manager
    // hands out the focus.
    window_->raise();
    window_->activateWindow();
    emit shown();
}
