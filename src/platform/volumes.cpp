// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/volumes.h"

#include "core/browser/sortpaths.h"
#include "platform/platformtexts.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace {

const QString rootPath = QStringLiteral("/");

bool isUnder(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// Mounts a user keeps files on; system and virtual mounts stay out of the tree.
bool isUserMount(const QString &path, const QByteArray &fileSystemType)
{
    static const QStringList places = {QStringLiteral("/home"), QStringLiteral("/media"),
                                       QStringLiteral("/mnt"), QStringLiteral("/run/media")};
    static const QList<QByteArray> virtualTypes = {
        "proc",       "sysfs",   "devtmpfs",    "devpts",   "tmpfs",     "overlay",
        "squashfs",   "autofs",  "cgroup",      "cgroup2",  "debugfs",   "tracefs",
        "securityfs", "fusectl", "binfmt_misc", "mqueue",   "hugetlbfs", "pstore",
        "configfs",   "ramfs",   "nsfs",        "efivarfs", "bpf"};
    if (virtualTypes.contains(fileSystemType))
        return false;
    return std::any_of(places.cbegin(), places.cend(),
                       [&](const QString &place) { return isUnder(path, place); });
}

bool isRemovablePlace(const QString &path)
{
    return isUnder(path, QStringLiteral("/media")) || isUnder(path, QStringLiteral("/run/media"));
}

} // namespace

QString volumeNodeText(const QString &path, const QString &label)
{
    QString name = label;
    if (name.isEmpty())
        name = path == rootPath ? PlatformTexts::rootLabel() : path.section(QLatin1Char('/'), -1);
    return QStringLiteral("%1 (%2)").arg(name, path);
}

QVector<Volume> volumesFromMounts(const QVector<MountEntry> &mounts)
{
    QVector<Volume> result{{rootPath, volumeNodeText(rootPath, {}), false}};
    for (const MountEntry &mount : mounts) {
        const QString path = QDir::cleanPath(mount.rootPath);
        const bool known = std::any_of(result.cbegin(), result.cend(),
                                       [&](const Volume &volume) { return volume.path == path; });
        if (known || !isUserMount(path, mount.fileSystemType))
            continue;
        result.append({path, volumeNodeText(path, mount.label), isRemovablePlace(path)});
    }
    const PathOrder order;
    std::stable_sort(result.begin() + 1, result.end(), [&order](const Volume &a, const Volume &b) {
        return order.sortsBefore(a.path, b.path);
    });
    return result;
}

QVector<Volume> mountedVolumes()
{
    QVector<MountEntry> mounts;
    const QList<QStorageInfo> infos = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &info : infos)
        mounts.append({info.rootPath(), info.fileSystemType(), info.name()});
    return volumesFromMounts(mounts);
}
