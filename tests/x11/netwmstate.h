// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QStringList>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

// The names in a window's _NET_WM_STATE property, as the window manager set them
// ("_NET_WM_STATE_ABOVE", "_NET_WM_STATE_MAXIMIZED_VERT", ...).
inline QStringList netWmState(const QWindow *window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !window)
        return {};
    xcb_connection_t *connection = x11->connection();
    const char name[] = "_NET_WM_STATE";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return {};
    xcb_get_property_reply_t *property =
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, xcb_window_t(window->winId()),
                                                atom->atom, XCB_ATOM_ATOM, 0, 64),
                               nullptr);
    std::free(atom);
    QStringList names;
    if (!property)
        return names;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(property));
    const int count = xcb_get_property_value_length(property) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        xcb_get_atom_name_reply_t *reply =
            xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atoms[i]), nullptr);
        if (reply) {
            names << QString::fromLatin1(xcb_get_atom_name_name(reply),
                                         xcb_get_atom_name_name_length(reply));
            std::free(reply);
        }
    }
    std::free(property);
    return names;
}
