// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// A mounted volume as the folder tree shows it under the computer node. Whether it can be
// read shows when it is listed (ListingError::NotReady), not from the mount table.
struct Volume {
    QString path;     // the mount path, "/" for the root
    QString nodeText; // "ルート (/)" or "LABEL (/media/u/LABEL)"
    bool removable = false;
};

// One line of the system's mount table, as far as choosing volumes needs it.
struct MountEntry {
    QString rootPath;
    QByteArray fileSystemType;
    QString label; // the file system's label; may be empty
};

// The root "/" first, then the real mounts under /home, /media, /mnt and /run/media.
QVector<Volume> mountedVolumes();

// The choice mountedVolumes makes, on a given mount table.
QVector<Volume> volumesFromMounts(const QVector<MountEntry> &mounts);

// "LABEL (PATH)"; the label falls back to the last path component, "ルート" for "/".
QString volumeNodeText(const QString &rootPath, const QString &label);
