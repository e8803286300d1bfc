// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Suspends the X server's own screen saver (and its display power saving) for this program, or
// lets it run again. The server counts each suspension of a program, so every suspension needs
// exactly one resumption; it ends them all when the program goes. False where the program does
// not run on X11 or the server cannot suspend its screen saver.
bool suspendX11ScreenSaver(bool suspend);
