// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

// What makes a folder the same folder whichever path reaches it: links and bind mounts give
// one folder many paths, but its device and inode stay the same.
struct FolderIdentity {
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const FolderIdentity &a, const FolderIdentity &b) = default;
};

inline size_t qHash(const FolderIdentity &id, size_t seed = 0) noexcept
{
    return qHashMulti(seed, id.device, id.inode);
}

// The identity of the folder a path names, following links; none when the path cannot be
// examined or is not a folder.
std::optional<FolderIdentity> folderIdentityOf(const QString &path);
