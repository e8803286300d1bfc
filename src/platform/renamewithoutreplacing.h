// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Renames from to to unless something (a file, a folder, even an empty one, or a link) is
// already called to. The test and the rename are one step where the file system allows it,
// so a name taken between a check and the rename is never replaced. Sets errno on failure
// (EEXIST for a taken name).
bool renameWithoutReplacing(const QString &from, const QString &to);
