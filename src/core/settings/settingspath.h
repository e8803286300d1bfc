// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the settings file lives: in the program's folder when that folder is writable and the
// program is not an installed one (a portable copy, e.g. the build tree), otherwise in the user's
// configuration folder, which is created then.
QString settingsFilePath(const QString &programFolder);
