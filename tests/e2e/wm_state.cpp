// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

// Asks the window manager to maximise a window or to bring it back to its
// normal state, as a desktop's title-bar button does, by the EWMH message.
// usage: e2e_wm_state <window id> maximise|restore
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, std::string_view name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c) != 0) {
        return 1;
    }
    const bool maximise = std::strcmp(argv[2], "maximise") == 0;
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    message.type = Atom(c, "_NET_WM_STATE");
    message.data.data32[0] = maximise ? 1 : 0;  // add or remove
    message.data.data32[1] = Atom(c, "_NET_WM_STATE_MAXIMIZED_VERT");
    message.data.data32[2] = Atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ");
    message.data.data32[3] = 1;  // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    xcb_disconnect(c);
    return 0;
}
