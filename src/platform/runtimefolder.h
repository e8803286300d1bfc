// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A file of this user's runtime folder (XDG_RUNTIME_DIR), where the program keeps what only
// lives while it runs; the temporary folder when there is none.
QString runtimeFilePath(const QString &name);
