// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "platform/platformtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString itemName(const QString &path)
{
    return QFileInfo(QDir::cleanPath(path)).fileName();
}

bool userConfirms(Interaction &interaction, const QStringList &paths)
{
    const QString text = paths.size() == 1 ? PlatformTexts::deleteOne(itemName(paths.first()))
                                           : PlatformTexts::deleteMany(paths.size());
    return interaction.messageBox(text, MessageStyle::QuestionYesNo,
                                  PlatformTexts::deleteTitle()) == Interaction::Answer::Yes;
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
// the data folder is missing; such a move is undone and counted as a failure.
bool moveOneToTrash(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isAbsolute() || !(info.exists() || info.isSymLink())) {
        qCDebug(logPlatform) << "not moved to the trash, no such file:" << path;
        return false;
    }
    if (trashWouldHang(path)) {
        qCDebug(logPlatform) << "not moved to the trash, a trash refuses new files:" << path;
        return false;
    }
    QString pathInTrash;
    if (!QFile::moveToTrash(path, &pathInTrash)) {
        qCDebug(logPlatform) << "the trash refused" << path;
        return false;
    }
    if (QFileInfo(pathInTrash).isAbsolute())
        return true;
    QFile::rename(pathInTrash, path);
    qCDebug(logPlatform) << "the trash put" << path << "in the working folder; moved back";
    return false;
}

} // namespace

ShellResult moveToTrash(Interaction &interaction, const QStringList &paths)
{
    if (paths.isEmpty())
        return ShellResult::Done;
    if (!userConfirms(interaction, paths))
        return ShellResult::Cancelled;
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    bool allMoved = true;
    for (const QString &path : paths)
        allMoved = moveOneToTrash(path) && allMoved;
    return allMoved ? ShellResult::Done : ShellResult::Failed;
}
