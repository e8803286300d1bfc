// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The data type of a folder dragged from the folder tree: its node key as UTF-8. The tree
// writes it and the slide list reads it, so it lives below both.
inline QString folderDragMimeType()
{
    return QStringLiteral("application/x-vellora-folder-key");
}
