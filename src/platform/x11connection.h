// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <xcb/xcb.h>

// The X connection Qt holds, for asking the window manager what Qt has no call for.

// Null when the program does not run on X11.
xcb_connection_t *x11Connection();

// XCB_ATOM_NONE when the server cannot make the atom.
xcb_atom_t internAtom(xcb_connection_t *connection, const char *name);

// Sends a client message to the root window of the first screen, where the window manager
// and the launchers listen; false without a screen.
bool sendToRootWindow(xcb_connection_t *connection, const xcb_client_message_event_t &message,
                      quint32 eventMask);
