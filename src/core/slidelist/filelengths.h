// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QVector>

// The length of each file, or -1 where the path names no existing regular file (a folder, a
// device or a pipe is none) or is relative, so would depend on the current folder. A long list is
// looked up on several threads: opening a list of 100,000 pictures is mostly waiting for the file
// system.
QVector<qint64> FileLengths(const QStringList &paths);
