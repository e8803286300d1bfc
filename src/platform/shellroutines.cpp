// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"

#include "platform/volumes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <sys/stat.h>

namespace {

// A mount point lies on another device than its parent folder (or is the root itself).
bool isMountPoint(const QString &path)
{
    if (path == QLatin1String("/"))
        return true;
    struct stat self {};
    struct stat parent {};
    const QByteArray parentPath = QFile::encodeName(QFileInfo(path).path());
    return ::stat(QFile::encodeName(path).constData(), &self) == 0 &&
           ::stat(parentPath.constData(), &parent) == 0 && self.st_dev != parent.st_dev;
}

QString mountNodeText(const QString &path)
{
    const QVector<Volume> volumes = mountedVolumes();
    for (const Volume &volume : volumes) {
        if (volume.path == path)
            return volume.nodeText;
    }
    return {};
}

} // namespace

QString shellDisplayName(const QString &path)
{
    if (path.isEmpty())
        return {};
    return shellDisplayName(QFileInfo(QDir::cleanPath(path)));
}

QString shellDisplayName(const QFileInfo &info)
{
    if (!info.exists())
        return {};
    const QString cleanPath = info.filePath();
    if (info.isDir() && isMountPoint(cleanPath)) {
        const QString nodeText = mountNodeText(cleanPath);
        if (!nodeText.isEmpty())
            return nodeText;
    }
    return info.fileName();
}

bool pathEntryExists(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

QString specialFolderPath(SpecialFolder folder)
{
    if (folder == SpecialFolder::Documents)
        return QDir::homePath();
    if (folder != SpecialFolder::Desktop)
        return {};
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QFileInfo info(desktop);
    if (desktop.isEmpty() || !info.isDir())
        return {};
    if (info.canonicalFilePath() == QFileInfo(QDir::homePath()).canonicalFilePath())
        return {};
    return QDir::cleanPath(desktop);
}

FormatResult formatDriveDialog(const QString &path)
{
    Q_UNUSED(path);
    return FormatResult::NotPossible;
}

void openWithDesktop(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
