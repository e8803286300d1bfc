// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

// Keeps a window above all other windows, or lets it go back among them, without re-creating
// its native window: a re-created window loses what the window manager knew of it, such as
// the normal geometry of a maximised window. Where a window manager can be asked (X11, the
// window on screen), it is asked; elsewhere the window's stays-on-top flag is set.
void setKeepAbove(QWindow *window, bool on);
