// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11connection.h"

#include <QGuiApplication>

xcb_connection_t *x11Connection()
{
    const auto *application = qGuiApp;
    if (!application)
        return nullptr;
    const auto *x11 = application->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
