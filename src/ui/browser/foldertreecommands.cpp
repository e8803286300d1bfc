// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/foldertreecommands.h"

#include "core/browser/browsertexts.h"
#include "core/browser/foldertreekeys.h"
#include "core/common/interaction.h"
#include "core/slidelist/slidelistmodel.h"
#include "platform/directorylister.h"
#include "platform/shellroutines.h"
#include "ui/browser/filelistview.h"
#include "ui/browser/foldertreeview.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

using namespace FolderKeys;

FolderTreeCommands::FolderTreeCommands(FolderTreeView &tree, Interaction &interaction)
    : m_tree(tree)
    , m_interaction(interaction)
{
    QAbstractItemDelegate *delegate = tree.itemDelegate();
    connect(delegate, &QAbstractItemDelegate::commitData, this, [this](QWidget *editor) {
        if (const auto *line = qobject_cast<QLineEdit *>(editor)) {
            m_labelCommitted = true;
            m_committedLabel = line->text();
        }
    });
    // Connected after the view's own handling, so the editor is gone when this runs.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, &FolderTreeCommands::editorClosed);
}

void FolderTreeCommands::createNewFolder(QTreeWidgetItem *parent, const QString &path)
{
    const QString created = createFirstFree(path);
    if (created.isEmpty()) {
        m_interaction.messageBox(BrowserTexts::createError(folderOfPath(path)), MessageStyle::Error,
                                 BrowserTexts::createErrorTitle());
        return;
    }
    const QString key = childKey(FolderTreeView::keyOf(parent), created);
    QStringList siblings;
    for (int i = 0; i < parent->childCount(); ++i)
        siblings.append(FolderTreeView::keyOf(parent->child(i)));
    QTreeWidgetItem *node = m_tree.newFolderNode(key, lastComponent(created));
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    parent->insertChild(sortedInsertPosition(siblings, key), node);

    // Pending before the parent opens, so that reading the parent skips the new folder.
    m_pendingKey = key;
    m_pendingNode = m_tree.nodeIndex(node);
    parent->setExpanded(true);
    m_tree.setCurrentItem(node);
    startLabelEditLater();
}

// Empty when no name of the series could be created.
QString FolderTreeCommands::createFirstFree(const QString &path)
{
    for (int attempt = 1; attempt <= MaxNewFolderTries; ++attempt) {
        const QString candidate = newFolderPath(path, attempt);
        switch (m_tree.lister().makeFolder(candidate)) {
        case MakeFolderResult::Created:
            return candidate;
        case MakeFolderResult::NameTaken:
            continue;
        case MakeFolderResult::Failed:
            return {};
        }
    }
    return {};
}

// Once the menu or message box that came before has closed and given the focus back: an
// editor that loses the focus to it would end at once.
void FolderTreeCommands::startLabelEditLater()
{
    QTimer::singleShot(0, this, &FolderTreeCommands::startLabelEdit);
}

void FolderTreeCommands::startLabelEdit()
{
    if (QTreeWidgetItem *node = m_tree.nodeAt(m_pendingNode)) {
        m_labelCommitted = false;
        m_tree.scrollToItem(node);
        m_tree.editItem(node, 0);
    }
}

// A cancelled edit counts as an empty name, which cannot be used.
void FolderTreeCommands::editorClosed()
{
    if (m_pendingKey.isEmpty())
        return;
    const QString label = m_labelCommitted ? m_committedLabel : QString();
    m_labelCommitted = false;
    renameNewFolder(label);
}

void FolderTreeCommands::renameNewFolder(const QString &newLabel)
{
    QTreeWidgetItem *node = m_tree.nodeAt(m_pendingNode);
    if (!node) {
        m_pendingKey.clear();
        return;
    }
    const QString from = keyPath(m_pendingKey);
    const QString targetKey =
        m_pendingKey.left(m_pendingKey.lastIndexOf(QLatin1Char('/')) + 1) + newLabel;
    const bool usable = !newLabel.isEmpty() && !newLabel.contains(QLatin1Char('/'));
    if (usable && m_tree.lister().renameFolder(from, keyPath(targetKey))) {
        node->setData(0, Qt::UserRole, targetKey);
        node->setText(0, newLabel);
        node->setFlags(node->flags() & ~Qt::ItemIsEditable);
        m_pendingKey.clear();
        m_pendingNode = QPersistentModelIndex();
        return;
    }
    node->setText(0, lastComponent(from));
    m_interaction.messageBox(BrowserTexts::renameError(), MessageStyle::Error,
                             BrowserTexts::renameErrorTitle());
    startLabelEditLater();
}

bool FolderTreeCommands::deleteFolder(const QString &path, QTreeWidgetItem *node)
{
    const ShellResult result = moveToTrash(m_interaction, QStringList{path});
    if (result == ShellResult::Cancelled)
        return false;
    if (result != ShellResult::Done) {
        m_interaction.messageBox(BrowserTexts::deleteFailed(), MessageStyle::Error,
                                 BrowserTexts::deleteFolderErrorTitle());
        return false;
    }
    removeDeletedFolder(path, node);
    return true;
}

void FolderTreeCommands::removeDeletedFolder(const QString &path, QTreeWidgetItem *node)
{
    delete node;
    if (!m_tree.nodeAt(m_pendingNode))
        m_pendingKey.clear();
    refreshFileList(path);
    removeSlideEntries(path);
}

// The file list follows the tree's selection when its first entry lies in the deleted folder or
// below it (those files are gone as well); a list that shows nothing is left as it is.
void FolderTreeCommands::refreshFileList(const QString &deletedPath)
{
    if (!m_fileList || m_fileList->entryCount() == 0 ||
        !isSameOrBelow(folderOfPath(m_fileList->fileModel().entryAt(0).key), deletedPath))
        return;
    m_fileList->clearEntries();
    const QString selected = keyPath(FolderTreeView::keyOf(m_tree.currentItem()));
    if (!selected.isEmpty())
        m_fileList->showFolderFiles(selected);
}

// Entries directly in the deleted folder leave the list, in one update; entries of its
// subfolders stay. A file that still exists keeps its entry; none does once the folder is gone.
void FolderTreeCommands::removeSlideEntries(const QString &deletedPath)
{
    if (!m_slideList)
        return;
    const bool folderGone = !QFileInfo::exists(deletedPath);
    QList<int> positions;
    for (int position = 1; position <= m_slideList->entryCount(); ++position) {
        const QString &path = m_slideList->entryAt(position).path;
        if (folderOfPath(path) == deletedPath && (folderGone || !QFileInfo::exists(path)))
            positions.append(position);
    }
    m_slideList->removeEntriesAt(positions);
}
