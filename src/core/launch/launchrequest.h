// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What one start of the program asks the running program for: files and folders to open, in
// the order given, and whether to play the resulting list at once.
struct LaunchRequest {
    QStringList paths; // absolute
    bool show = false;
    // The launcher's permission to bring a window to the front, from the environment of the
    // start that asked: XDG_ACTIVATION_TOKEN (Wayland) and DESKTOP_STARTUP_ID (X11).
    QString activationToken;
    QString startupId;

    // A start with no arguments: the program starts as it always did.
    bool asksNothing() const { return paths.isEmpty() && !show; }
    bool operator==(const LaunchRequest &) const = default;
};
