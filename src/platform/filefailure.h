// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Interaction;

enum class FileOperation { Move, Copy, Trash };

// Why one file could not be moved, copied or put in the trash.
struct FileFailure {
    enum class Reason {
        PermissionDenied,
        NoSpace,
        SourceGone,
        SameFolder,     // the destination is the folder the file is in
        FolderInTheWay, // a folder holds the file's name in the destination
        NameTooLong,
        ReadOnlyFileSystem,
        Other, // described by the system's text for errorNumber
    };

    // The reason behind a system call's errno; a missing file counts as a vanished source only
    // when source is indeed gone (otherwise the destination is what is missing).
    static FileFailure fromErrno(int errorNumber, const QString &source);

    Reason reason = Reason::Other;
    int errorNumber = 0;
};

// Tells the user that path could not be dealt with and why. True to skip it and go on with the
// other files, false to leave them undone.
bool skipAfterFailure(Interaction &interaction, FileOperation operation, const QString &path,
                      const FileFailure &failure);
