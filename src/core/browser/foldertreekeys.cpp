// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/foldertreekeys.h"

#include "core/browser/browsertexts.h"
#include "core/browser/sortpaths.h"

namespace {

const QChar keyDelimiter = QLatin1Char('*');
const QChar separator = QLatin1Char('/');

} // namespace

namespace FolderKeys {

QString DesktopSection()
{
    return BrowserTexts::desktopSection();
}

QString ComputerSection()
{
    return BrowserTexts::computerSection();
}

QString NodeKey(const QString &section, const QString &path)
{
    return section + keyDelimiter + path;
}

QString KeySection(const QString &key)
{
    return key.section(keyDelimiter, 0, 0);
}

QString KeyPath(const QString &key)
{
    const qsizetype at = key.indexOf(keyDelimiter);
    return at < 0 ? QString() : key.mid(at + 1);
}

bool IsPlaceholderKey(const QString &key)
{
    return KeySection(key).compare(BrowserTexts::placeholderSection(), Qt::CaseInsensitive) == 0;
}

QString VolumePlaceholderKey(const QString &volumePath)
{
    const QString path = volumePath.endsWith(separator) ? volumePath : volumePath + separator;
    return PlaceholderKey(NodeKey(ComputerSection(), path));
}

QString PlaceholderKey(const QString &nodeKey)
{
    return NodeKey(BrowserTexts::placeholderSection(), nodeKey);
}

QString ChildKey(const QString &parentKey, const QString &childPath)
{
    return NodeKey(KeySection(parentKey), childPath);
}

QString ChildPath(const QString &folder, const QString &name)
{
    return folder.endsWith(separator) ? folder + name : folder + separator + name;
}

QString FolderOfPath(const QString &path)
{
    const qsizetype at = path.lastIndexOf(separator);
    if (at < 0)
        return {};
    return at == 0 ? QString(separator) : path.left(at);
}

QString LastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

bool IsSameOrBelow(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (path == folder)
        return true;
    const QString prefix = folder.endsWith(separator) ? folder : folder + separator;
    return path.startsWith(prefix);
}

QString NewFolderPath(const QString &basePath, int attempt)
{
    if (attempt <= 1)
        return basePath;
    return QStringLiteral("%1 (%2)").arg(basePath).arg(attempt);
}

int SortedInsertPosition(const QStringList &siblingKeys, const QString &newKey)
{
    // Siblings share their section, so their paths order them as the folder listing did.
    const PathOrder order;
    const QString newPath = KeyPath(newKey);
    for (int i = 0; i < siblingKeys.size(); ++i) {
        if (IsPlaceholderKey(siblingKeys.at(i)))
            continue;
        if (order.sortsBefore(newPath, KeyPath(siblingKeys.at(i))))
            return i;
    }
    return int(siblingKeys.size());
}

} // namespace FolderKeys
