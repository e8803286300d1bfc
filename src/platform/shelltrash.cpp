// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "platform/filefailure.h"
#include "platform/fileworkprogress.h"
#include "platform/platformtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString itemName(const QString &path)
{
    return QFileInfo(QDir::cleanPath(path)).fileName();
}

// Qt 6.4 retries for ever when a trash's information folder exists but takes no new file
// (not writable, or not a folder), so such a trash is refused before Qt is asked. A folder
// that is missing is fine: Qt creates it or fails at once.
bool infoFolderRefuses(const QString &trash)
{
    const QByteArray info = QFile::encodeName(trash + QStringLiteral("/info"));
    struct stat status {};
    if (::stat(info.constData(), &status) != 0)
        return false;
    return !S_ISDIR(status.st_mode) || ::access(info.constData(), W_OK | X_OK) != 0;
}

// The trashes Qt may choose for path: the home trash, and for a file on another volume that
// volume's own. Any of them refusing counts, which may refuse a file the other would take.
bool trashWouldHang(const QString &path)
{
    QStringList trashes{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                        QStringLiteral("/Trash")};
    const QStorageInfo volume(path);
    if (volume != QStorageInfo(QDir::home())) {
        const QString user = QString::number(::getuid());
        trashes << volume.rootPath() + QStringLiteral("/.Trash/") + user
                << volume.rootPath() + QStringLiteral("/.Trash-") + user;
    }
    return std::any_of(trashes.cbegin(), trashes.cend(), infoFolderRefuses);
}

// Some Qt versions report success but move the file into ./files of the working folder when
// the data folder is missing; such a move is undone and counted as a failure. Nothing when
// the path went to the trash, else why not.
std::optional<FileFailure> trashOne(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isAbsolute() || !pathEntryExists(path))
        return FileFailure::fromErrno(ENOENT, path);
    const QByteArray folder = QFile::encodeName(info.path());
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return FileFailure::fromErrno(errno, path);
    if (trashWouldHang(path)) {
        qCDebug(logPlatform) << "a trash refuses new files:" << path;
        return FileFailure::fromErrno(EACCES, path);
    }
    QString pathInTrash;
    errno = 0;
    if (!QFile::moveToTrash(path, &pathInTrash))
        return FileFailure::fromErrno(errno != 0 ? errno : EIO, path);
    if (QFileInfo(pathInTrash).isAbsolute())
        return std::nullopt;
    QFile::rename(pathInTrash, path);
    qCDebug(logPlatform) << "the trash put" << path << "in the working folder; moved back";
    return FileFailure::fromErrno(EIO, path);
}

void makeDataFolder()
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

} // namespace

bool confirmTrash(Interaction &interaction, const QStringList &paths)
{
    const QString text = paths.size() == 1 ? PlatformTexts::deleteOne(itemName(paths.first()))
                                           : PlatformTexts::deleteMany(paths.size());
    return interaction.messageBox(text, MessageStyle::QuestionYesNo,
                                  PlatformTexts::deleteTitle()) == Interaction::Answer::Yes;
}

ShellResult moveToTrash(Interaction &interaction, const QStringList &paths)
{
    if (paths.isEmpty())
        return ShellResult::Done;
    if (!confirmTrash(interaction, paths))
        return ShellResult::Cancelled;
    makeDataFolder();
    bool allMoved = true;
    for (const QString &path : paths) {
        const std::optional<FileFailure> failure = trashOne(path);
        if (failure)
            qCDebug(logPlatform) << "not moved to the trash:" << path;
        allMoved = allMoved && !failure;
    }
    return allMoved ? ShellResult::Done : ShellResult::Failed;
}

ShellResult trashFiles(Interaction &interaction, const QStringList &paths,
                       FileWorkProgress *progress)
{
    makeDataFolder();
    if (progress)
        progress->begin(int(paths.size()), 0);
    bool anyFailed = false;
    for (const QString &path : paths) {
        if (progress && progress->cancelled())
            return ShellResult::Failed;
        if (progress)
            progress->startFile(itemName(path));
        const std::optional<FileFailure> failure = trashOne(path);
        if (progress)
            progress->finishFile(0);
        if (failure && !skipAfterFailure(interaction, FileOperation::Trash, path, *failure))
            return ShellResult::Failed;
        anyFailed = anyFailed || failure;
    }
    return anyFailed ? ShellResult::Failed : ShellResult::Done;
}
