// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long a test waits for the window manager to answer, in milliseconds: generous, since a
// sanitizer build maps and paints its windows slowly.
namespace X11Wait {
inline constexpr int Timeout = 30000;
}
