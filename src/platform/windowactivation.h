// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWindow;

// Asks for a shown window to become the active one on behalf of another start of the program,
// with that start's activation token, so that a window manager that guards against focus
// stealing lets the window come up: activationToken (XDG_ACTIVATION_TOKEN) is set for Qt's
// Wayland activation, startupId (DESKTOP_STARTUP_ID) gives the X11 request the time of the
// user's launch and ends the launcher's busy feedback. Without tokens Qt's own request is made.
void activateForLaunch(QWindow *window, const QString &activationToken, const QString &startupId);
