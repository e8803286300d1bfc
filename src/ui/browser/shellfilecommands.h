// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shellroutines.h"

#include <QObject>
#include <QString>
#include <QStringList>

class FileListView;
class FileWorkRunner;
class Interaction;
class SlideListModel;
class StatusHints;

// The slide list's pop-up commands on picture files: move, copy, delete to the trash. Each
// acts on the files of the paths it is given (the selected slide-list entries, in list
// order). The file work runs off the window's thread with a progress dialog; each command
// returns when it has ended. Afterwards both lists hold only files that are still where they
// were.
class ShellFileCommands : public QObject {
    Q_OBJECT
public:
    ShellFileCommands(SlideListModel &model, FileListView &fileList, Interaction &interaction,
                      StatusHints &hints, QObject *parent = nullptr);

    // Move and copy ask for the destination folder first.
    void moveFiles(const QStringList &paths);
    void copyFiles(const QStringList &paths);
    void deleteFiles(const QStringList &paths);

Q_SIGNALS:
    // The destination question of a move or copy has closed, whatever came of it.
    void folderQuestionClosed();
    // A move or delete has brought the lists in line with the disk.
    void listsReconciled();

private:
    void transfer(const QStringList &paths, const QString &title, TransferMode mode);
    void transferTo(const QStringList &paths, const QString &destination, TransferMode mode);
    void removeFromLists(const QStringList &paths);
    void removeVanished(const QStringList &paths);

    SlideListModel &m_model;
    FileListView &m_fileList;
    Interaction &m_interaction;
    FileWorkRunner *m_runner;
};
