// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// One category per area. Quiet skips and failures (an unreadable folder, a vanished picture, a
// failed decode, a refused save) are logged at debug level, so they stay silent unless asked
// for, e.g. QT_LOGGING_RULES="vellora.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(logSettings)
Q_DECLARE_LOGGING_CATEGORY(logSlideList)
Q_DECLARE_LOGGING_CATEGORY(logBrowser)
Q_DECLARE_LOGGING_CATEGORY(logShow)
Q_DECLARE_LOGGING_CATEGORY(logPlatform)
Q_DECLARE_LOGGING_CATEGORY(logWindows)
Q_DECLARE_LOGGING_CATEGORY(logLaunch)
