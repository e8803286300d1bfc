// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/browser/foldertreecommands.h"
#include "ui/browser/foldertreeicons.h"

#include <QPersistentModelIndex>
#include <QTreeWidget>

#include <memory>

class DetachedWork;
class DirectoryLister;
class QAction;
class FileListView;
class Interaction;
class SlideListModel;
class StatusHints;
class WaitCue;
struct Settings;
struct SubfolderNode;
struct SubfolderReading;

// The folder tree of the main window: the desktop, the computer with its
// volumes, the home folder and the desktop's folders. Folders are read when first expanded,
// on threads of their own: a node's subfolders appear when they have been read, and the tree
// answers meanwhile. Every node keeps its key ("section*path") in Qt::UserRole.
class FolderTreeView : public QTreeWidget {
    Q_OBJECT
public:
    FolderTreeView(Settings &settings, Interaction &interaction, StatusHints &hints,
                   QWidget *parent = nullptr);
    ~FolderTreeView() override;

    // Tests give a lister with their own volumes and failing or slow media; nullptr restores
    // the real file system.
    void setDirectoryLister(std::shared_ptr<const DirectoryLister> lister);
    const DirectoryLister &lister() const { return *m_lister; }
    // What a folder deletion brings in line; either may be left unset.
    void setSlideList(SlideListModel *model);
    void setFileList(FileListView *fileList);

    void loadTreeIcons();
    // Builds the whole tree and opens the node expandKey; from then on expanding a node
    // reads its folders.
    void buildFolderTree(const QString &expandKey);
    void fillFolderNode(const QString &nodeKey, const QString &folderPath);
    // Whether some folder is still being read.
    bool isReading() const;
    WaitCue &waitCue() { return *m_waitCue; }

    static QString keyOf(const QTreeWidgetItem *item);
    // The node with this key nearest the top (a folder can be reached twice); nullptr if none.
    QTreeWidgetItem *nodeForKey(const QString &key) const;
    QTreeWidgetItem *newFolderNode(const QString &key, const QString &label) const;
    QPersistentModelIndex nodeIndex(QTreeWidgetItem *item) const;
    QTreeWidgetItem *nodeAt(const QPersistentModelIndex &index) const;

    // The commands of the pop-up menu; the tree runs them on the node under the pop-up.
    void setPopUpActions(QAction *newFolder, QAction *deleteFolder);
    // The node under the last right click, and the pop-up commands on it.
    QString popUpNodeKey() const { return m_popupKey; }
    void newFolderAtPopUpNode();
    void deleteFolderAtPopUpNode();
    FolderTreeCommands &commands() { return m_commands; }

Q_SIGNALS:
    void folderClicked(const QString &folderPath);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;
    Qt::DropActions supportedDropActions() const override;

private:
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &key, const QString &text,
                             const QIcon &icon);
    static void addPlaceholder(QTreeWidgetItem *node, const QString &placeholderKey);
    void fillNode(QTreeWidgetItem *node, const QString &folderPath);
    void subfoldersRead(const QPersistentModelIndex &target, const QString &folderPath,
                        const QString &pendingAtStart, const SubfolderReading &reading);
    void addFolderNodes(QTreeWidgetItem *node, const QVector<SubfolderNode> &folders,
                        const QString &pendingAtStart);
    void nodeExpanded(QTreeWidgetItem *node);
    void nodeClicked(QTreeWidgetItem *node);
    void showPopup(QTreeWidgetItem *node, const QPoint &globalPos);
    void setHighlighted(QTreeWidgetItem *node, bool highlighted);

    Settings &m_settings;
    Interaction &m_interaction;
    StatusHints &m_hints;
    std::shared_ptr<const DirectoryLister> m_lister;
    DetachedWork *m_reading;
    WaitCue *m_waitCue;
    FolderTreeIcons m_icons;
    FolderTreeCommands m_commands;
    bool m_mainInitialised = false;
    QString m_popupKey;
    QPersistentModelIndex m_popupNode;
    QList<QAction *> m_popUpActions;
};
