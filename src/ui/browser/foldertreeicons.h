// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

class QStyle;

// The icons of the folder tree's nodes, from the desktop's icon theme with the style's own
// icons as fallback so that the tree looks right without a theme.
struct FolderTreeIcons {
    QIcon desktop;
    QIcon computer;
    QIcon home;
    QIcon harddisk;
    QIcon removable;
    QIcon folder; // closed; open while the node is selected

    static FolderTreeIcons load(const QStyle &style);
};
