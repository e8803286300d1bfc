// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/folderreads.h"

#include "core/browser/sortpaths.h"
#include "core/common/logcategories.h"
#include "core/slidelist/entryrules.h"
#include "platform/detachedwork.h"
#include "platform/shellroutines.h"

namespace {

QStringList sortedPaths(const DirectoryListing &listing)
{
    QStringList paths = listing.paths;
    sortPaths(paths, 0, int(paths.size()) - 1);
    return paths;
}

} // namespace

// A superseded reading stops early; nobody looks at what it found.
SubfolderReading readSubfolders(const DirectoryLister &lister, const QString &folder,
                                const WorkTicket &ticket)
{
    SubfolderReading reading{lister.subfolders(folder), {}};
    const QStringList paths = sortedPaths(reading.listing);
    reading.folders.reserve(paths.size());
    for (const QString &path : paths) {
        if (ticket.cancelled())
            break;
        const QString name = shellDisplayName(path);
        if (name.isEmpty()) {
            qCDebug(logBrowser) << "folder gone since the listing, left out:" << path;
            continue;
        }
        reading.folders.append({path, name, lister.hasSubfolder(path)});
    }
    return reading;
}

PictureReading readPictures(const DirectoryLister &lister, const QString &folder, bool jpeg,
                            bool bitmap, WorkTicket &ticket)
{
    PictureReading reading{lister.pictureFiles(folder, jpeg, bitmap), {}};
    const QStringList paths = sortedPaths(reading.listing);
    const int maximum = qMax(1, int(paths.size()));
    ticket.report(maximum, 0);
    const ListedFiles files(folder);
    reading.entries.reserve(paths.size());
    for (int i = 0; i < paths.size() && !ticket.cancelled(); ++i) {
        const QString &path = paths.at(i);
        const ListedFile file = files.examine(path);
        if (!file.name.isEmpty()) {
            reading.entries.append(
                {path, file.name, sizeText(file.size), file.size, iconForName(file.name)});
        } else {
            qCDebug(logBrowser) << "picture gone since the listing, left out:" << path;
        }
        ticket.report(maximum, i + 1);
    }
    return reading;
}
