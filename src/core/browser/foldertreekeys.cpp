// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/foldertreekeys.h"

#include "core/browser/browsertexts.h"
#include "core/browser/sortpaths.h"

namespace {

const QChar keyDelimiter = QLatin1Char('*');
const QChar separator = QLatin1Char('/');

} // namespace

namespace FolderKeys {

QString desktopSection()
{
    return BrowserTexts::desktopSection();
}

QString computerSection()
{
    return BrowserTexts::computerSection();
}

QString nodeKey(const QString &section, const QString &path)
{
    return section + keyDelimiter + path;
}

QString volumeSection(const QString &volumePath)
{
    QString escaped = volumePath;
    escaped.replace(QLatin1Char('%'), QLatin1String("%25"));
    escaped.replace(keyDelimiter, QLatin1String("%2A"));
    return computerSection() + QLatin1Char(':') + escaped;
}

QString volumeKey(const QString &volumePath)
{
    return nodeKey(volumeSection(volumePath), volumePath);
}

QString keySection(const QString &key)
{
    return key.section(keyDelimiter, 0, 0);
}

QString keyPath(const QString &key)
{
    const qsizetype at = key.indexOf(keyDelimiter);
    return at < 0 ? QString() : key.mid(at + 1);
}

bool isPlaceholderKey(const QString &key)
{
    return keySection(key).compare(BrowserTexts::placeholderSection(), Qt::CaseInsensitive) == 0;
}

QString volumePlaceholderKey(const QString &volumePath)
{
    const QString path = volumePath.endsWith(separator) ? volumePath : volumePath + separator;
    return placeholderKey(nodeKey(computerSection(), path));
}

QString placeholderKey(const QString &parentKey)
{
    return nodeKey(BrowserTexts::placeholderSection(), parentKey);
}

QString childKey(const QString &parentKey, const QString &childPath)
{
    return nodeKey(keySection(parentKey), childPath);
}

QString childPath(const QString &folder, const QString &name)
{
    return folder.endsWith(separator) ? folder + name : folder + separator + name;
}

QString folderOfPath(const QString &path)
{
    const qsizetype at = path.lastIndexOf(separator);
    if (at < 0)
        return {};
    return at == 0 ? QString(separator) : path.left(at);
}

QString lastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

bool isSameOrBelow(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (path == folder)
        return true;
    const QString prefix = folder.endsWith(separator) ? folder : folder + separator;
    return path.startsWith(prefix);
}

QString newFolderPath(const QString &basePath, int attempt)
{
    if (attempt <= 1)
        return basePath;
    return QStringLiteral("%1 (%2)").arg(basePath).arg(attempt);
}

int sortedInsertPosition(const QStringList &siblingKeys, const QString &newKey)
{
    // Siblings share their section, so their paths order them as the folder listing did.
    const PathOrder order;
    const QString newPath = keyPath(newKey);
    for (int i = 0; i < siblingKeys.size(); ++i) {
        if (isPlaceholderKey(siblingKeys.at(i)))
            continue;
        if (order.sortsBefore(newPath, keyPath(siblingKeys.at(i))))
            return i;
    }
    return int(siblingKeys.size());
}

} // namespace FolderKeys
