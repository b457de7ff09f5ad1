// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "x11frame.h"

#include <xcb/xcb.h>
#include <QByteArray>
#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

namespace x11 {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* Connection() {
    auto* native = qGuiApp == nullptr
                       ? nullptr
                       : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return native == nullptr ? nullptr : native->connection();
}

xcb_atom_t Atom(xcb_connection_t* c, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window property, empty when it is not there.
std::vector<uint32_t> Values(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, XCB_ATOM_ANY, 0, 1024), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* begin = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {begin, begin + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t Root(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The window manager that is running, if any: a window that names itself as
// the supporting one, as EWMH has it.
bool WindowManagerRunning(xcb_connection_t* c) {
    const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const auto root = Values(c, Root(c), check);
    if (root.empty()) {
        return false;
    }
    const auto self = Values(c, root.front(), check);
    return !self.empty() && self.front() == root.front();
}

bool Supports(xcb_connection_t* c, xcb_atom_t feature) {
    for (uint32_t atom : Values(c, Root(c), Atom(c, "_NET_SUPPORTED"))) {
        if (atom == feature) {
            return true;
        }
    }
    return false;
}

// Whether the X server has the window mapped; Qt calls a window visible
// already while it is being shown.
bool Mapped(xcb_connection_t* c, xcb_window_t window) {
    const Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

// The X server's pixels in Qt's.
int Scaled(const QWidget* window, long pixels) {
    return int(std::lround(double(pixels) / window->devicePixelRatioF()));
}

std::optional<QMargins> ReadExtents(xcb_connection_t* c, const QWidget* window,
                                    xcb_atom_t extents) {
    const auto v = Values(c, static_cast<xcb_window_t>(window->winId()), extents);
    if (v.size() != 4) {
        return std::nullopt;
    }
    // left, right, top, bottom. At a scale factor a frame of one X pixel is
    // less than one of Qt's: each side is rounded up, so that a window put
    // inside the screen by these margins keeps its whole frame on it.
    const auto side = [window](uint32_t pixels) {
        return int(std::ceil(double(pixels) / window->devicePixelRatioF()));
    };
    return QMargins(side(v[0]), side(v[2]), side(v[1]), side(v[3]));
}

}  // namespace

bool Connected() {
    return Connection() != nullptr;
}

void Flush() {
    if (xcb_connection_t* c = Connection()) {
        xcb_flush(c);
    }
}

void MarkMoveOnlyTool(const QWidget* window) {
    xcb_connection_t* c = Connection();
    if (c == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    // A tool bar kind of window: window managers give it neither a minimise
    // nor a maximise action, which a utility window would get.
    const std::array<xcb_atom_t, 2> types{Atom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR"),
                                          Atom(c, "_NET_WM_WINDOW_TYPE_UTILITY")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, Atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                        32, types.size(), types.data());
    // The Motif hints: of the functions only moving, of the decorations the
    // border and the title, so no buttons and no window menu. Qt sets
    // decorations alone, which leaves every function allowed.
    constexpr uint32_t FunctionsAndDecorations = 1 | 2, Move = 4, Border = 2, Title = 8;
    const std::array<uint32_t, 5> hints{FunctionsAndDecorations, Move, Border | Title, 0, 0};
    const xcb_atom_t motif = Atom(c, "_MOTIF_WM_HINTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, motif, motif, 32, hints.size(), hints.data());
    xcb_flush(c);
}

void NameDesktopEntry(const QWidget* window) {
    xcb_connection_t* c = Connection();
    const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
    if (c == nullptr || id.isEmpty()) {
        return;
    }
    const auto w = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t text = Atom(c, "UTF8_STRING");
    for (std::string_view property : {"_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID"}) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, Atom(c, property), text, 8,
                            static_cast<uint32_t>(id.size()), id.constData());
    }
    xcb_flush(c);
}

std::optional<QMargins> FrameExtents(const QWidget* window) {
    xcb_connection_t* c = Connection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
    if (auto known = ReadExtents(c, window, extents)) {
        return known;
    }
    if (!WindowManagerRunning(c)) {
        return QMargins();
    }
    if (Mapped(c, id) || !Supports(c, Atom(c, "_NET_REQUEST_FRAME_EXTENTS"))) {
        return std::nullopt;
    }
    // Asks the window manager to put the extents it would give the window on
    // the window before it is mapped, and waits a moment for them.
    xcb_client_message_event_t request;
    std::memset(&request, 0, sizeof request);
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(c, 0, Root(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(300);
    while (steady_clock::now() < deadline) {
        if (auto answered = ReadExtents(c, window, extents)) {
            return answered;
        }
        std::this_thread::sleep_for(milliseconds(2));
    }
    return std::nullopt;
}

std::optional<bool> Enlarged(const QWidget* window) {
    xcb_connection_t* c = Connection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const xcb_atom_t vertical = Atom(c, "_NET_WM_STATE_MAXIMIZED_VERT");
    const xcb_atom_t horizontal = Atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ");
    const xcb_atom_t full = Atom(c, "_NET_WM_STATE_FULLSCREEN");
    for (uint32_t state :
         Values(c, static_cast<xcb_window_t>(window->winId()), Atom(c, "_NET_WM_STATE"))) {
        if (state == vertical || state == horizontal || state == full) {
            return true;
        }
    }
    return false;
}

std::optional<QRect> ClientGeometry(const QWidget* window) {
    xcb_connection_t* c = Connection();
    if (c == nullptr) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const Reply<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr));
    const Reply<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, id, Root(c), 0, 0), nullptr));
    if (!size || !place) {
        return std::nullopt;
    }
    return QRect(Scaled(window, place->dst_x), Scaled(window, place->dst_y),
                 Scaled(window, size->width), Scaled(window, size->height));
}

}  // namespace x11
