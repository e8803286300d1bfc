// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Makes bytes the whole content of the file at path; false when it is not, and then the file
// keeps its old content.
//
// The new content goes into a temporary file beside the old one, which replaces it only when
// complete. Where that cannot be (a shared list the user may write, in a folder the user may
// not), the file is written in place; a copy of its old content is kept in the user's cache
// folder first and put back if the write fails (a full disk), and without room for that copy
// nothing is written.
bool saveFileContents(const QString &path, const QByteArray &bytes);
