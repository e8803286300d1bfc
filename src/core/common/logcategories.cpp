// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/logcategories.h"

Q_LOGGING_CATEGORY(logSettings, "vellora.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(logSlideList, "vellora.slidelist", QtInfoMsg)
Q_LOGGING_CATEGORY(logBrowser, "vellora.browser", QtInfoMsg)
Q_LOGGING_CATEGORY(logShow, "vellora.show", QtInfoMsg)
Q_LOGGING_CATEGORY(logPlatform, "vellora.platform", QtInfoMsg)
Q_LOGGING_CATEGORY(logWindows, "vellora.windows", QtInfoMsg)
Q_LOGGING_CATEGORY(logLaunch, "vellora.launch", QtInfoMsg)
