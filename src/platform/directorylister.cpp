// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/directorylister.h"

#include "core/browser/foldertreekeys.h"
#include "core/common/logcategories.h"
#include "platform/renamewithoutreplacing.h"
#include "platform/shellroutines.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class EntryKind { Folder, File, Other };

// One entry of a folder being read. d_type saves a stat per entry; links and file systems that
// do not fill it are asked, and what they answer is kept for the entry's length.
class FolderEntry {
public:
    FolderEntry(int folder, const dirent &entry)
        : m_folder(folder)
        , m_name(entry.d_name)
        , m_kind(kindOf(entry.d_type))
    {
    }
    const char *name() const { return m_name; }
    EntryKind kind() const { return m_kind; }
    // The file's length, asked now unless its kind was asked already; nullopt once it has gone.
    std::optional<qint64> size()
    {
        if (!m_examined && !examine())
            return std::nullopt;
        return qint64(m_info.st_size);
    }

private:
    EntryKind kindOf(unsigned char type)
    {
        switch (type) {
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
        if (!examine())
            return EntryKind::Other;
        if (S_ISDIR(m_info.st_mode))
            return EntryKind::Folder;
        return S_ISREG(m_info.st_mode) ? EntryKind::File : EntryKind::Other;
    }
    bool examine()
    {
        m_examined = ::fstatat(m_folder, m_name, &m_info, 0) == 0;
        return m_examined;
    }

    int m_folder;
    const char *m_name;
    struct stat m_info {};
    bool m_examined = false;
    EntryKind m_kind; // last: its judgement may examine the entry
};

template<typename Result> Result failure(const QString &folder, int error)
{
    Result result;
    result.error = listingErrorOf(error);
    result.systemText = QString::fromLocal8Bit(std::strerror(error));
    qCDebug(logPlatform) << "cannot list" << folder << result.systemText;
    return result;
}

// Calls take(result, entry) for every entry except folders whose names begin with "." ("."
// and ".." among them), until it returns false. The name is the file system's bytes: only the
// entries kept are worth decoding.
template<typename Result, typename Take> Result scan(const QString &folder, Take take)
{
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return failure<Result>(folder, errno);
    Result result;
    while (const dirent *found = ::readdir(dir)) {
        FolderEntry entry(::dirfd(dir), *found);
        if (entry.kind() == EntryKind::Folder && entry.name()[0] == '.')
            continue;
        if (!take(result, entry))
            break;
    }
    ::closedir(dir);
    return result;
}

// The full paths of a folder's entries, each name decoded straight behind the folder's path
// as QFile::decodeName decodes it: one allocation per entry.
class ChildPaths {
public:
    explicit ChildPaths(const QString &folder)
        : m_prefix(FolderKeys::childPath(folder, QString()))
    {
    }
    QString of(const char *name)
    {
        const QByteArrayView bytes(name, qsizetype(std::strlen(name)));
        QString path(m_prefix.size() + m_decoder.requiredSpace(bytes.size()), Qt::Uninitialized);
        QChar *start = path.data();
        std::copy(m_prefix.cbegin(), m_prefix.cend(), start);
        const QChar *end = m_decoder.appendToBuffer(start + m_prefix.size(), bytes);
        path.truncate(end - start);
        return path;
    }

private:
    QString m_prefix;
    QStringDecoder m_decoder{QStringDecoder::System, QStringDecoder::Flag::Stateless};
};

// The full path of a file entry whose name ends in a searched extension, else nothing.
std::optional<QString> picturePath(ChildPaths &children, const FolderEntry &entry, bool jpeg,
                                   bool bitmap)
{
    if (entry.kind() != EntryKind::File || (!jpeg && !bitmap))
        return std::nullopt;
    QString path = children.of(entry.name());
    if ((jpeg && path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)) ||
        (bitmap && path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)))
        return path;
    return std::nullopt;
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
    ChildPaths children(folder);
    return scan<DirectoryListing>(folder, [&](DirectoryListing &listing, const FolderEntry &entry) {
        if (entry.kind() == EntryKind::Folder)
            listing.paths.append(children.of(entry.name()));
        return true;
    });
}

bool DirectoryLister::hasSubfolder(const QString &folder) const
{
    bool found = false;
    scan<DirectoryListing>(folder, [&](DirectoryListing &, const FolderEntry &entry) {
        found = entry.kind() == EntryKind::Folder;
        return !found;
    });
    return found;
}

DirectoryListing DirectoryLister::pictureFiles(const QString &folder, bool jpeg, bool bitmap) const
{
    if (!jpeg && !bitmap)
        return {};
    ChildPaths children(folder);
    return scan<DirectoryListing>(folder, [&](DirectoryListing &listing, const FolderEntry &entry) {
        if (std::optional<QString> path = picturePath(children, entry, jpeg, bitmap))
            listing.paths.append(std::move(*path));
        return true;
    });
}

// The length is read while the folder is read, in the folder's own order, as a bare walk does.
FolderContents DirectoryLister::folderContents(const QString &folder, bool jpeg, bool bitmap) const
{
    ChildPaths children(folder);
    return scan<FolderContents>(folder, [&](FolderContents &contents, FolderEntry &entry) {
        if (entry.kind() == EntryKind::Folder) {
            contents.subfolders.append(children.of(entry.name()));
        } else if (std::optional<QString> path = picturePath(children, entry, jpeg, bitmap)) {
            if (const std::optional<qint64> size = entry.size())
                contents.pictures.append({std::move(*path), *size});
        }
        return true;
    });
}

ListedFiles::ListedFiles(const QString &folder)
    : m_prefix(FolderKeys::childPath(folder, QString()))
    , m_folder(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
}

ListedFiles::~ListedFiles()
{
    if (m_folder >= 0)
        ::close(m_folder);
}

// A folder by now may be a mount point, which has a name of its own.
ListedFile ListedFiles::examine(const QString &path) const
{
    const bool inFolder = m_folder >= 0 && path.size() > m_prefix.size() &&
                          QStringView(path).first(m_prefix.size()) == m_prefix &&
                          path.indexOf(QLatin1Char('/'), m_prefix.size()) < 0;
    QString name = inFolder ? path.sliced(m_prefix.size()) : FolderKeys::lastComponent(path);
    struct stat info {};
    const int result = inFolder ? ::fstatat(m_folder, QFile::encodeName(name).constData(), &info, 0)
                                : ::stat(QFile::encodeName(path).constData(), &info);
    if (result != 0)
        return {};
    if (S_ISDIR(info.st_mode))
        return {shellDisplayName(QFileInfo(path)), info.st_size};
    return {std::move(name), info.st_size};
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
