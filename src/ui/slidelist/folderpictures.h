// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/slidelist/slidelistmodel.h"

#include <QStringList>
#include <QVector>

class DirectoryLister;
class WorkTicket;

// What a dropped folder brings into the slide list: its pictures and those of every folder
// below it, folder by folder. Everything here asks the file system, so drops run it on a
// thread of their own.
class FolderPictures {
public:
    explicit FolderPictures(const DirectoryLister &lister);

    // The folder and all its subfolders at any depth, sorted by sortPaths. Folders whose names
    // begin with "." are not walked; a folder reached a second time (through a link, even one
    // pointing back up the walk) is left out, so every walk ends. A folder that cannot be read
    // simply has no subfolders.
    QStringList folderPaths(const QString &folder) const;

    // The picture files of one folder (not of its subfolders), sorted by sortPaths, as slide
    // entries: icon by the display name, size as it is now. Files gone since the listing are
    // left out.
    QVector<SlideEntry> folderEntries(const QString &folder, bool jpeg, bool bitmap) const;

    // What a dropped folder brings: the entries of folderPaths(folder), folder by folder.
    // Progress counts the folders when there are several. Stops early once the ticket is
    // cancelled.
    QVector<SlideEntry> treeEntries(const QString &folder, bool jpeg, bool bitmap,
                                    WorkTicket &ticket) const;
    // What paths dropped from the desktop bring, in their order: a file whatever its type, a
    // folder walked as treeEntries does. Progress counts the paths.
    QVector<SlideEntry> droppedEntries(const QStringList &paths, bool jpeg, bool bitmap,
                                       WorkTicket &ticket) const;

private:
    struct Walked; // the folders of a walk with their pictures

    // The walk behind folderPaths, reading every folder once for its subfolders and pictures
    // alike. Stops early once the ticket (when given) is cancelled.
    Walked walk(const QString &folder, bool jpeg, bool bitmap,
                const WorkTicket *ticket = nullptr) const;

    const DirectoryLister &m_lister;
};
