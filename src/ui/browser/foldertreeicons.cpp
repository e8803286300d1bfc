// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/foldertreeicons.h"

#include <QStyle>

namespace {

QIcon themed(const char *name, const QStyle &style, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QString::fromLatin1(name), style.standardIcon(fallback));
}

// The open folder shows while the node is selected, as file managers do.
QIcon folderIcon(const QStyle &style)
{
    const QIcon closed = themed("folder", style, QStyle::SP_DirClosedIcon);
    const QIcon open = themed("folder-open", style, QStyle::SP_DirOpenIcon);
    QIcon icon;
    for (const int extent : {16, 22, 24, 32}) {
        const QSize size(extent, extent);
        icon.addPixmap(closed.pixmap(size), QIcon::Normal);
        icon.addPixmap(open.pixmap(size), QIcon::Selected);
    }
    return icon;
}

} // namespace

FolderTreeIcons FolderTreeIcons::load(const QStyle &style)
{
    FolderTreeIcons icons;
    icons.desktop = themed("user-desktop", style, QStyle::SP_DesktopIcon);
    icons.computer = themed("computer", style, QStyle::SP_ComputerIcon);
    icons.home = themed("user-home", style, QStyle::SP_DirHomeIcon);
    icons.harddisk = themed("drive-harddisk", style, QStyle::SP_DriveHDIcon);
    icons.removable = themed("drive-removable-media", style, QStyle::SP_DriveFDIcon);
    icons.folder = folderIcon(style);
    return icons;
}
