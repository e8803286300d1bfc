// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Keys of the folder tree's nodes: "section*path". The section tells where the folder was
// reached: from the desktop, or from one of the computer's volumes; a folder can appear under
// several with different keys. Placeholder children ("dummy*...") give an unread folder its
// expand button.
namespace FolderKeys {

QString desktopSection();
QString computerSection();

QString nodeKey(const QString &section, const QString &path);

// The section of the folders reached from one volume: the computer's section and the volume's
// mount path, so that a volume mounted at /home and the folder /home of the root volume are two
// nodes. "*" and "%" of a mount path appear as %2A and %25: the section never holds the key
// delimiter.
QString volumeSection(const QString &volumePath);
// Key of a volume's node: its section with its mount path.
QString volumeKey(const QString &volumePath);
QString keySection(const QString &key);

// The folder path of a node: everything after the first "*" (paths may hold "*" themselves).
// Empty for the two top nodes.
QString keyPath(const QString &key);

bool isPlaceholderKey(const QString &key);

// A volume's placeholder carries the path with a trailing separator so that it never equals
// the placeholder of a folder node with the same path.
QString volumePlaceholderKey(const QString &volumePath);
QString placeholderKey(const QString &parentKey);

// Key of a folder below the node parentKey: the parent's section with the folder's path.
QString childKey(const QString &parentKey, const QString &childPath);

QString childPath(const QString &folder, const QString &name);
// The folder part of a path (without the trailing separator; "/" for the root).
QString folderOfPath(const QString &path);
QString lastComponent(const QString &path);

// True when path is folder itself or lies anywhere below it; letter case counts.
bool isSameOrBelow(const QString &path, const QString &folder);

// Try number n of the new-folder series: base, "base (2)", "base (3)", ...
QString newFolderPath(const QString &basePath, int attempt);

// Where a node with newKey goes among siblings already in order: before the first sibling
// that sorts after it, never before a placeholder.
int sortedInsertPosition(const QStringList &siblingKeys, const QString &newKey);

} // namespace FolderKeys
