// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QString>

class FileListView;
class FolderTreeView;
class Interaction;
class QTreeWidgetItem;
class SlideListModel;

// The folder tree's pop-up commands: a new folder that the user then names in place, and
// deleting a folder to the trash with what that means for the two lists.
class FolderTreeCommands : public QObject {
    Q_OBJECT
public:
    // How many "新しいフォルダ (n)" names are tried before giving up.
    static constexpr int MaxNewFolderTries = 1000;

    FolderTreeCommands(FolderTreeView &tree, Interaction &interaction);

    void setSlideList(SlideListModel *model) { m_slideList = model; }
    void setFileList(FileListView *fileList) { m_fileList = fileList; }

    // Creates the first free folder of the series path, "path (2)", ... below parent, adds
    // its node in sorted place and starts naming it.
    void createNewFolder(QTreeWidgetItem *parent, const QString &path);
    // End of the naming: renames the new folder, or says why not and lets the user try again.
    void renameNewFolder(const QString &newLabel);
    // Deletes a folder through the trash; true when node (the folder's node) was removed.
    bool deleteFolder(const QString &path, QTreeWidgetItem *node);
    // What the folder's going means for the tree and both lists: its node goes, the file list
    // is listed again from the selected node when it showed pictures in the folder or below,
    // and the slide entries directly in the folder leave.
    void removeDeletedFolder(const QString &path, QTreeWidgetItem *node);

    // Key of the new folder whose name is still pending; empty otherwise.
    QString pendingRenameKey() const { return m_pendingKey; }

private:
    QString createFirstFree(const QString &path);
    void startLabelEditLater();
    void startLabelEdit();
    void editorClosed();
    void refreshFileList(const QString &deletedPath);
    void removeSlideEntries(const QString &deletedPath);

    FolderTreeView &m_tree;
    Interaction &m_interaction;
    SlideListModel *m_slideList = nullptr;
    FileListView *m_fileList = nullptr;
    QString m_pendingKey;
    QPersistentModelIndex m_pendingNode;
    bool m_labelCommitted = false;
    QString m_committedLabel;
};
