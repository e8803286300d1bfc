// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/folderpictures.h"

#include "core/browser/foldertreekeys.h"
#include "core/browser/sortpaths.h"
#include "core/common/logcategories.h"
#include "core/slidelist/entryrules.h"
#include "platform/detachedwork.h"
#include "platform/directorylister.h"
#include "platform/folderidentity.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

FolderPictures::FolderPictures(const DirectoryLister &lister)
    : m_lister(lister)
{
}

namespace {

// Appends a folder's pictures to entries as slide entries, sorted by sortPaths. The icon
// follows the file's own name, not dots in its folders.
void appendEntries(QVector<SlideEntry> &entries, const QString &folder,
                   const QVector<ListedPicture> &pictures)
{
    QStringList paths;
    paths.reserve(pictures.size());
    // Sorting moves the paths without copying their text, so the text's address finds each
    // one's length again far more cheaply than hashing the text would.
    QHash<const QChar *, qint64> sizes;
    sizes.reserve(pictures.size());
    for (const ListedPicture &picture : pictures) {
        paths.append(picture.path);
        sizes.insert(picture.path.constData(), picture.size);
    }
    sortPaths(paths, 0, int(paths.size()) - 1);
    const qsizetype nameStart = FolderKeys::childPath(folder, QString()).size();
    for (const QString &path : std::as_const(paths)) {
        entries.append({path, sizeText(sizes.value(path.constData())),
                        iconForName(QStringView(path).sliced(nameStart))});
    }
}

} // namespace

struct FolderPictures::Walked {
    QStringList folders; // sorted by sortPaths
    QHash<QString, QVector<ListedPicture>> pictures;
    qsizetype pictureCount = 0;
};

FolderPictures::Walked FolderPictures::walk(const QString &folder, bool jpeg, bool bitmap,
                                            const WorkTicket *ticket) const
{
    Walked walked;
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
    while (!pending.isEmpty() && !(ticket && ticket->cancelled())) {
        const QString current = pending.takeLast();
        if (!firstVisit(current))
            continue;
        FolderContents contents = m_lister.folderContents(current, jpeg, bitmap);
        if (contents.error != ListingError::None)
            qCDebug(logSlideList) << "folder cannot be read, nothing from it:" << current;
        walked.folders.append(current);
        walked.pictureCount += contents.pictures.size();
        walked.pictures.insert(current, std::move(contents.pictures));
        QStringList &children = contents.subfolders;
        sortPaths(children, 0, int(children.size()) - 1);
        for (auto child = children.crbegin(); child != children.crend(); ++child)
            pending.append(*child);
    }
    sortPaths(walked.folders, 0, int(walked.folders.size()) - 1);
    return walked;
}

QStringList FolderPictures::folderPaths(const QString &folder) const
{
    return walk(folder, false, false).folders;
}

QVector<SlideEntry> FolderPictures::folderEntries(const QString &folder, bool jpeg,
                                                  bool bitmap) const
{
    const FolderContents contents = m_lister.folderContents(folder, jpeg, bitmap);
    if (contents.error != ListingError::None)
        qCDebug(logSlideList) << "folder cannot be read, no pictures:" << folder;
    QVector<SlideEntry> entries;
    entries.reserve(contents.pictures.size());
    appendEntries(entries, folder, contents.pictures);
    return entries;
}

// Every folder is read during the walk; the progress counts the folders as their entries are
// made, as soon as their number is known.
QVector<SlideEntry> FolderPictures::treeEntries(const QString &folder, bool jpeg, bool bitmap,
                                                WorkTicket &ticket) const
{
    const Walked walked = walk(folder, jpeg, bitmap, &ticket);
    const int count = int(walked.folders.size());
    const bool several = count > 1;
    if (several)
        ticket.report(count, 0);
    QVector<SlideEntry> entries;
    entries.reserve(walked.pictureCount);
    for (int i = 0; i < count && !ticket.cancelled(); ++i) {
        const QString &each = walked.folders.at(i);
        appendEntries(entries, each, walked.pictures.value(each));
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
