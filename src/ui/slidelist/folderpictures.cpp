// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/folderpictures.h"

#include "core/browser/sortpaths.h"
#include "core/common/logcategories.h"
#include "core/slidelist/entryrules.h"
#include "platform/detachedwork.h"
#include "platform/directorylister.h"
#include "platform/folderidentity.h"

#include <QFileInfo>
#include <QSet>

FolderPictures::FolderPictures(const DirectoryLister &lister)
    : m_lister(lister)
{
}

QStringList FolderPictures::folderPaths(const QString &folder) const
{
    QStringList folders;
    QSet<FolderIdentity> seen;
    // The dropped folder always counts; below it, a folder that cannot be examined is passed.
    const auto firstVisit = [&](const QString &path) {
        const std::optional<FolderIdentity> id = folderIdentityOf(path);
        if (!id) {
            if (path != folder)
                qCDebug(logSlideList) << "folder cannot be examined, passed over:" << path;
            return path == folder;
        }
        if (seen.contains(*id))
            return false;
        seen.insert(*id);
        return true;
    };
    // Depth first, each folder before the folders below it. The order only settles which of
    // two paths to one folder is kept; sorting each level makes that the same every time.
    QStringList pending{folder};
    while (!pending.isEmpty()) {
        const QString current = pending.takeLast();
        if (!firstVisit(current))
            continue;
        folders.append(current);
        const DirectoryListing listing = m_lister.subfolders(current);
        if (listing.error != ListingError::None)
            qCDebug(logSlideList) << "folder cannot be read, no subfolders:" << current;
        QStringList children = listing.paths;
        sortPaths(children, 0, int(children.size()) - 1);
        for (auto child = children.crbegin(); child != children.crend(); ++child)
            pending.append(*child);
    }
    sortPaths(folders, 0, int(folders.size()) - 1);
    return folders;
}

QVector<SlideEntry> FolderPictures::folderEntries(const QString &folder, bool jpeg,
                                                  bool bitmap) const
{
    const DirectoryListing listing = m_lister.pictureFiles(folder, jpeg, bitmap);
    if (listing.error != ListingError::None)
        qCDebug(logSlideList) << "folder cannot be read, no pictures:" << folder;
    QStringList paths = listing.paths;
    sortPaths(paths, 0, int(paths.size()) - 1);
    const ListedFiles files(folder);
    QVector<SlideEntry> entries;
    entries.reserve(paths.size());
    for (const QString &path : std::as_const(paths)) {
        const ListedFile file = files.examine(path);
        if (file.name.isEmpty()) {
            qCDebug(logSlideList) << "picture gone since the listing, left out:" << path;
            continue;
        }
        entries.append({path, sizeText(file.size), iconForName(file.name)});
    }
    return entries;
}

QVector<SlideEntry> FolderPictures::treeEntries(const QString &folder, bool jpeg, bool bitmap,
                                                WorkTicket &ticket) const
{
    const QStringList folders = folderPaths(folder);
    const int count = int(folders.size());
    const bool several = count > 1;
    if (several)
        ticket.report(count, 0);
    QVector<SlideEntry> entries;
    for (int i = 0; i < count && !ticket.cancelled(); ++i) {
        entries += folderEntries(folders.at(i), jpeg, bitmap);
        if (several)
            ticket.report(count, i);
    }
    return entries;
}

// Which is which the file system says: a folder may have a "." in its name, a file none.
QVector<SlideEntry> FolderPictures::droppedEntries(const QStringList &paths, bool jpeg, bool bitmap,
                                                   WorkTicket &ticket) const
{
    const int count = int(paths.size());
    ticket.report(count, 0);
    QVector<SlideEntry> entries;
    for (int i = 0; i < count && !ticket.cancelled(); ++i) {
        const QString &path = paths.at(i);
        const QFileInfo info(path);
        if (info.isDir())
            entries += treeEntries(path, jpeg, bitmap, ticket);
        else if (info.isFile())
            entries.append({path, sizeText(info.size()), iconForName(path)});
        else
            qCDebug(logSlideList) << "dropped path gone, left out:" << path;
        ticket.report(count, i + 1);
    }
    return entries;
}
