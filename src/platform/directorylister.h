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
    NotReady,    // a drive without a medium, a dead network or FUSE mount: worth a retry
    Unformatted, // a medium without a file system
    Other,       // missing, no access, ...: the folder simply shows nothing
};

// What a listing that failed with the system error (errno) tells the user.
ListingError listingErrorOf(int error);

struct DirectoryListing {
    QStringList paths; // full paths, in the order the file system gives them
    ListingError error = ListingError::None;
    QString systemText; // the system's description of the error
};

// A picture file found by reading its folder, with its length at that moment.
struct ListedPicture {
    QString path;
    qint64 size = 0;
};
Q_DECLARE_TYPEINFO(ListedPicture, Q_RELOCATABLE_TYPE);

// Everything a walk down a folder tree needs from one folder, read in one pass: its
// subfolders as subfolders() lists them and its pictures as pictureFiles() picks them, each
// with its length. A picture gone before its length was read is left out.
struct FolderContents {
    QStringList subfolders;          // full paths, in the order the file system gives them
    QVector<ListedPicture> pictures; // likewise
    ListingError error = ListingError::None;
    QString systemText;
};

// A file a listing named, examined again when it is added: the name the shell shows for it
// and its length. The name is empty when the file has gone since the listing.
struct ListedFile {
    QString name;
    qint64 size = 0;
};

// Examines the files a listing of one folder named, with one stat each. Names in the folder
// are looked up from the folder itself, kept open meanwhile, rather than from the root of the
// file system every time; any other path is looked up in full.
class ListedFiles {
public:
    explicit ListedFiles(const QString &folder);
    ~ListedFiles();
    ListedFiles(const ListedFiles &) = delete;
    ListedFiles &operator=(const ListedFiles &) = delete;

    ListedFile examine(const QString &path) const;

private:
    QString m_prefix; // the folder's path with its final separator
    int m_folder;     // descriptor of the open folder, or -1
};

enum class MakeFolderResult { Created, NameTaken, Failed };

// The folder tree's and the file list's view of the file system. Everything is virtual so
// that tests can stand in media that are not ready or cannot be written.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;

    virtual QVector<Volume> volumes() const;

    // Subfolders of folder; folders whose names begin with "." are left out.
    virtual DirectoryListing subfolders(const QString &folder) const;
    // Whether folder has at least one subfolder that subfolders() would list.
    virtual bool hasSubfolder(const QString &folder) const;
    // Files (not folders) whose names end in .jpg / .bmp without regard to case; a name
    // beginning with "." is a picture like any other.
    virtual DirectoryListing pictureFiles(const QString &folder, bool jpeg, bool bitmap) const;
    // Both of the above from one reading of the folder, with the pictures' lengths.
    virtual FolderContents folderContents(const QString &folder, bool jpeg, bool bitmap) const;

    virtual MakeFolderResult makeFolder(const QString &path) const;
    // Fails when to exists already (an empty folder is never replaced, even one made between a
    // check and the rename).
    virtual bool renameFolder(const QString &from, const QString &to) const;
    virtual FormatResult formatDrive(const QString &path) const;
};
