// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/browser/filelistmodel.h"
#include "platform/directorylister.h"

#include <QString>
#include <QVector>

class WorkTicket;

// The slow halves of filling the folder tree and the file list: everything that asks the
// file system. They run on detached threads, so they touch no widget and no shared state.

// A subfolder as the folder tree shows it.
struct SubfolderNode {
    QString path;
    QString name;              // display name
    bool hasSubfolder = false; // gets a placeholder, so that it can be opened
};

struct SubfolderReading {
    DirectoryListing listing;       // how the reading went
    QVector<SubfolderNode> folders; // sorted by path; folders gone since the listing left out
};

struct PictureReading {
    DirectoryListing listing;
    QVector<FileListEntry> entries; // sorted by path; files gone since the listing left out
};

SubfolderReading readSubfolders(const DirectoryLister &lister, const QString &folder,
                                const WorkTicket &ticket);

// Reports progress as files are examined: out of the number of files found, at least 1.
PictureReading readPictures(const DirectoryLister &lister, const QString &folder, bool jpeg,
                            bool bitmap, WorkTicket &ticket);
