// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11connection.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

xcb_connection_t *x11Connection()
{
    const auto *application = qGuiApp;
    if (!application)
        return nullptr;
    const auto *x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, quint16(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

bool sendToRootWindow(xcb_connection_t *connection, const xcb_client_message_event_t &message,
                      quint32 eventMask)
{
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return false;
    xcb_send_event(connection, 0, screen->root, eventMask,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    return true;
}
