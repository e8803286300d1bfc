// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directorylister.h"

#include "core/browser/foldertreekeys.h"
#include "core/common/logcategories.h"
#include "platform/renamewithoutreplacing.h"
#include "platform/shellroutines.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace {

enum class EntryKind { Folder, File, Other };

// d_type saves a stat per entry; links and file systems that do not fill it are asked.
EntryKind kindOf(DIR *dir, const dirent *entry)
{
    switch (entry->d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::File;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::Other;
    }
    struct stat info {};
    if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    return S_ISREG(info.st_mode) ? EntryKind::File : EntryKind::Other;
}

DirectoryListing failure(const QString &folder, int error)
{
    DirectoryListing listing;
    listing.error = listingErrorOf(error);
    listing.systemText = QString::fromLocal8Bit(std::strerror(error));
    qCDebug(logPlatform) << "cannot list" << folder << listing.systemText;
    return listing;
}

// Calls take(listing, name, kind) for every entry except folders whose names begin with "."
// ("." and ".." among them), until it returns false.
template<typename Take> DirectoryListing scan(const QString &folder, Take take)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return failure(folder, errno);
    DirectoryListing listing;
    while (const dirent *entry = ::readdir(dir)) {
        const EntryKind kind = kindOf(dir, entry);
        if (kind == EntryKind::Folder && entry->d_name[0] == '.')
            continue;
        if (!take(listing, QFile::decodeName(entry->d_name), kind))
            break;
    }
    ::closedir(dir);
    return listing;
}

bool isPictureName(const QString &name, bool jpeg, bool bitmap)
{
    return (jpeg && name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) ||
           (bitmap && name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive));
}

} // namespace

ListingError listingErrorOf(int error)
{
    switch (error) {
    case ENOMEDIUM: // a drive without its medium
    case ENOTCONN:  // a FUSE mount whose process has gone
    case EIO:       // a medium that fails to read
    case ESTALE:    // a network file system whose server lost the folder
    case EHOSTDOWN: // a network file system whose server is down
    case ENODEV:    // a device that has gone away
    case ETIMEDOUT: // a network file system that does not answer
        return ListingError::NotReady;
    default:
        return ListingError::Other;
    }
}

QVector<Volume> DirectoryLister::volumes() const
{
    return mountedVolumes();
}

DirectoryListing DirectoryLister::subfolders(const QString &folder) const
{
    return scan(folder, [&](DirectoryListing &listing, const QString &name, EntryKind kind) {
        if (kind == EntryKind::Folder)
            listing.paths.append(FolderKeys::childPath(folder, name));
        return true;
    });
}

bool DirectoryLister::hasSubfolder(const QString &folder) const
{
    bool found = false;
    scan(folder, [&](DirectoryListing &, const QString &, EntryKind kind) {
        found = kind == EntryKind::Folder;
        return !found;
    });
    return found;
}

DirectoryListing DirectoryLister::pictureFiles(const QString &folder, bool jpeg, bool bitmap) const
{
    if (!jpeg && !bitmap)
        return {};
    return scan(folder, [&](DirectoryListing &listing, const QString &name, EntryKind kind) {
        if (kind == EntryKind::File && isPictureName(name, jpeg, bitmap))
            listing.paths.append(FolderKeys::childPath(folder, name));
        return true;
    });
}

// A folder by now may be a mount point, which has a name of its own.
ListedFile examineListedFile(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    if (S_ISDIR(info.st_mode))
        return {shellDisplayName(QFileInfo(path)), info.st_size};
    return {FolderKeys::lastComponent(path), info.st_size};
}

MakeFolderResult DirectoryLister::makeFolder(const QString &path) const
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return MakeFolderResult::Created;
    return errno == EEXIST ? MakeFolderResult::NameTaken : MakeFolderResult::Failed;
}

bool DirectoryLister::renameFolder(const QString &from, const QString &to) const
{
    if (from == to)
        return QFileInfo(from).isDir();
    if (renameWithoutReplacing(from, to))
        return true;
    qCDebug(logPlatform) << "cannot rename" << from << "to" << to << std::strerror(errno);
    return false;
}

FormatResult DirectoryLister::formatDrive(const QString &path) const
{
    return formatDriveDialog(path);
}
