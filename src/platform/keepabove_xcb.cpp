// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keepabove.h"

#include "core/common/logcategories.h"
#include "platform/x11connection.h"

#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// Values of the first field of a _NET_WM_STATE request (EWMH).
constexpr quint32 NetWmStateRemove = 0;
constexpr quint32 NetWmStateAdd = 1;
// The request comes from a normal application.
constexpr quint32 SourceApplication = 1;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The window manager changes the state of a mapped window when asked through the root window.
bool askWindowManager(xcb_connection_t *connection, const QWindow *window, bool on)
{
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t above = internAtom(connection, "_NET_WM_STATE_ABOVE");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (state == XCB_ATOM_NONE || above == XCB_ATOM_NONE || !screen)
        return false;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window->winId());
    request.type = state;
    request.data.data32[0] = on ? NetWmStateAdd : NetWmStateRemove;
    request.data.data32[1] = above;
    request.data.data32[3] = SourceApplication;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    return true;
}

} // namespace

void setKeepAbove(QWindow *window, bool on)
{
    xcb_connection_t *connection = x11Connection();
    if (connection && window->handle() && window->isVisible() &&
        askWindowManager(connection, window, on))
        return;
    qCDebug(logPlatform, "no window manager asked; stays-on-top flag %s", on ? "set" : "cleared");
    window->setFlag(Qt::WindowStaysOnTopHint, on);
}
