// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11screensaver.h"

#include "core/common/logcategories.h"
#include "platform/x11connection.h"

#include <cstdlib>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>

bool suspendX11ScreenSaver(bool suspend)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return false;
    const xcb_query_extension_reply_t *extension =
        xcb_get_extension_data(connection, &xcb_screensaver_id);
    if (!extension || !extension->present) {
        qCDebug(logPlatform, "the X server has no screen-saver extension");
        return false;
    }
    // Checked, so that a server without suspension answers here and not in Qt's error log;
    // the answer also means the server has done it before anything that follows.
    xcb_generic_error_t *error =
        xcb_request_check(connection, xcb_screensaver_suspend_checked(connection, suspend));
    if (error) {
        qCDebug(logPlatform, "the X screen saver was not %s (error %d)",
                suspend ? "suspended" : "resumed", int(error->error_code));
        std::free(error);
        return false;
    }
    return true;
}
