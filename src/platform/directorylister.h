// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shellroutines.h"
#include "platform/volumes.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Why a folder could not be read.
enum class ListingError {
    None,
    NotReady,    // removable drive without a medium
    Unformatted, // a medium without a file system
    Other,       // missing, no access, ...: the folder simply shows nothing
};

struct DirectoryListing {
    QStringList paths; // full paths, in the order the file system gives them
    ListingError error = ListingError::None;
    QString systemText; // the system's description of the error
};

enum class MakeFolderResult { Created, NameTaken, Failed };

// The folder tree's and the file list's view of the file system. Everything is virtual so
// that tests can stand in media that are not ready or cannot be written.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;

    virtual QVector<Volume> volumes() const;

    // Subfolders of folder; names beginning with "." are left out, other hidden ones kept.
    virtual DirectoryListing subfolders(const QString &folder) const;
    // Whether folder has at least one subfolder that subfolders() would list.
    virtual bool hasSubfolder(const QString &folder) const;
    // Files (not folders) whose names end in .jpg / .bmp without regard to case.
    virtual DirectoryListing pictureFiles(const QString &folder, bool jpeg, bool bitmap) const;

    virtual MakeFolderResult makeFolder(const QString &path) const;
    // Fails when to exists already (an empty folder is never replaced).
    virtual bool renameFolder(const QString &from, const QString &to) const;
    virtual FormatResult formatDrive(const QString &path) const;
};
