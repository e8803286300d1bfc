// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct xcb_connection_t;

// The connection to the X server that the running application holds, or null where the
// application does not run on X11 (Wayland, the offscreen platform, no application yet).
xcb_connection_t *x11Connection();
