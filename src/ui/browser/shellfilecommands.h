// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shellroutines.h"

#include <QString>
#include <QStringList>

class FileListView;
class Interaction;
class SlideListModel;
class SlideListView;
class StatusHints;

// The slide list's pop-up commands on picture files: move, copy, delete to the trash.
// Afterwards both lists hold only files that are still where they were.
class ShellFileCommands {
public:
    ShellFileCommands(SlideListModel &model, SlideListView &slideView, FileListView &fileList,
                      Interaction &interaction, StatusHints &hints);

    // mnu_PopUps items 0 (move), 1 (copy) and 2 (delete).
    void PopUpCommand(int index);

    void MoveSelectedFiles(const QString &destination);
    void CopySelectedFiles(const QString &destination);
    void DeleteSelectedFiles();

private:
    using Command = void (ShellFileCommands::*)(const QString &);
    void chooseFolderThen(const QString &title, Command command);
    ShellResult moveOrCopy(const QString &destination, TransferMode mode);
    void removeFromLists(const QStringList &paths);
    void removeVanished(const QStringList &paths);

    SlideListModel &m_model;
    SlideListView &m_slideView;
    FileListView &m_fileList;
    Interaction &m_interaction;
    StatusHints &m_hints;
};
