// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/foldertreeview.h"

#include "core/browser/browsertexts.h"
#include "core/browser/foldertreekeys.h"
#include "core/common/statushints.h"
#include "platform/detachedwork.h"
#include "platform/directorylister.h"
#include "platform/shellroutines.h"
#include "ui/browser/folderreads.h"
#include "ui/browser/listingerrorprompt.h"
#include "ui/common/dragformats.h"
#include "ui/common/waitcue.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QQueue>
#include <QSet>

using namespace FolderKeys;

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int ReadingRole = Qt::UserRole + 1; // the node's subfolders are being read

bool isTyping(const QKeyEvent *event)
{
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return !command && !event->text().isEmpty() && event->text().at(0).isPrint();
}

} // namespace

FolderTreeView::FolderTreeView(Settings &settings, Interaction &interaction, StatusHints &hints,
                               QWidget *parent)
    : QTreeWidget(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_hints(hints)
    , m_lister(std::make_shared<DirectoryLister>())
    , m_reading(new DetachedWork(this))
    , m_waitCue(new WaitCue(*this, hints, BrowserTexts::readingFolders(), *m_reading))
    , m_commands(*this, interaction)
{
    setObjectName(QStringLiteral("folderTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    connect(this, &QTreeWidget::itemExpanded, this, &FolderTreeView::nodeExpanded);
    connect(this, &QTreeWidget::itemClicked, this, &FolderTreeView::nodeClicked);
}

FolderTreeView::~FolderTreeView() = default;

void FolderTreeView::setDirectoryLister(std::shared_ptr<const DirectoryLister> lister)
{
    m_lister = lister ? std::move(lister) : std::make_shared<DirectoryLister>();
}

void FolderTreeView::setSlideList(SlideListModel *model)
{
    m_commands.setSlideList(model);
}

void FolderTreeView::setFileList(FileListView *fileList)
{
    m_commands.setFileList(fileList);
}

void FolderTreeView::loadTreeIcons()
{
    m_icons = FolderTreeIcons::load(*style());
}

void FolderTreeView::buildFolderTree(const QString &expandKey)
{
    m_reading->supersede();
    clear();
    QTreeWidgetItem *root = addNode(nullptr, desktopSection(), desktopSection(), m_icons.desktop);
    QTreeWidgetItem *computer =
        addNode(root, computerSection(), computerSection(), m_icons.computer);
    const QVector<Volume> volumes = m_lister->volumes();
    for (const Volume &volume : volumes) {
        const QIcon &icon = volume.removable ? m_icons.removable : m_icons.harddisk;
        addPlaceholder(addNode(computer, volumeKey(volume.path), volume.nodeText, icon),
                       volumePlaceholderKey(volume.path));
    }
    const QString home = specialFolderPath(SpecialFolder::Documents);
    const QString homeName = shellDisplayName(home);
    if (!homeName.isEmpty()) {
        const QString homeKey = nodeKey(desktopSection(), home);
        addPlaceholder(addNode(root, homeKey, homeName, m_icons.home), placeholderKey(homeKey));
    }
    const QString desktop = specialFolderPath(SpecialFolder::Desktop);
    if (!desktop.isEmpty())
        fillNode(root, desktop);
    root->setExpanded(true);
    computer->setExpanded(true);

    if (QTreeWidgetItem *start = nodeForKey(expandKey)) {
        if (start->childCount() > 0 && isPlaceholderKey(keyOf(start->child(0))))
            delete start->takeChild(0);
        fillNode(start, keyPath(expandKey));
        setCurrentItem(start);
        start->setExpanded(true);
    }
    m_mainInitialised = true;
}

void FolderTreeView::fillFolderNode(const QString &nodeKey, const QString &folderPath)
{
    if (QTreeWidgetItem *node = nodeForKey(nodeKey))
        fillNode(node, folderPath);
}

bool FolderTreeView::isReading() const
{
    return m_reading->isBusy();
}

// The node shows its expand button while it waits for its subfolders.
void FolderTreeView::fillNode(QTreeWidgetItem *node, const QString &folderPath)
{
    if (node->data(0, ReadingRole).toBool())
        return;
    node->setData(0, ReadingRole, true);
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    const QPersistentModelIndex target = nodeIndex(node);
    const QString pendingAtStart = keyPath(m_commands.pendingRenameKey());
    const std::shared_ptr<const DirectoryLister> lister = m_lister;
    m_reading->start(
        [lister, folderPath](WorkTicket &ticket) {
            return readSubfolders(*lister, folderPath, ticket);
        },
        [this, target, folderPath, pendingAtStart](const SubfolderReading &reading) {
            subfoldersRead(target, folderPath, pendingAtStart, reading);
        });
}

// A node removed meanwhile takes nothing; Retry reads the folder again from the beginning.
void FolderTreeView::subfoldersRead(const QPersistentModelIndex &target, const QString &folderPath,
                                    const QString &pendingAtStart, const SubfolderReading &reading)
{
    QTreeWidgetItem *node = nodeAt(target);
    if (!node)
        return;
    node->setData(0, ReadingRole, QVariant());
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (reading.listing.error != ListingError::None) {
        const bool again = askAgainAfterListingError(m_interaction, *m_lister, folderPath,
                                                     reading.listing, FormatWording::FolderTree);
        node = nodeAt(target); // the question may have let the tree change
        if (again && node)
            fillNode(node, folderPath);
        if (again || !node)
            return;
    }
    addFolderNodes(node, reading.folders, pendingAtStart);
}

// A new folder made while the reading ran is already there, under its first name or a
// later one, and is not added twice.
void FolderTreeView::addFolderNodes(QTreeWidgetItem *node, const QVector<SubfolderNode> &folders,
                                    const QString &pendingAtStart)
{
    const QString pendingNow = keyPath(m_commands.pendingRenameKey());
    const QString nodeKey = keyOf(node);
    QSet<QString> present;
    for (int i = 0; i < node->childCount(); ++i)
        present.insert(keyOf(node->child(i)));
    QList<QTreeWidgetItem *> children;
    children.reserve(folders.size());
    for (const SubfolderNode &folder : folders) {
        const QString key = childKey(nodeKey, folder.path);
        if (folder.path == pendingAtStart || folder.path == pendingNow || present.contains(key))
            continue;
        QTreeWidgetItem *child = newFolderNode(key, folder.name);
        if (folder.hasSubfolder)
            addPlaceholder(child, placeholderKey(key));
        children.append(child);
    }
    node->addChildren(children);
}

// A placeholder first means the folder has not been read yet.
void FolderTreeView::nodeExpanded(QTreeWidgetItem *node)
{
    if (node->childCount() > 0) {
        if (!isPlaceholderKey(keyOf(node->child(0))))
            return;
        delete node->takeChild(0);
    }
    const QString path = keyPath(keyOf(node));
    if (m_mainInitialised && !path.isEmpty())
        fillNode(node, path);
}

void FolderTreeView::nodeClicked(QTreeWidgetItem *node)
{
    const QString path = keyPath(keyOf(node));
    if (!path.isEmpty())
        Q_EMIT folderClicked(path);
}

QString FolderTreeView::keyOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, KeyRole).toString() : QString();
}

QTreeWidgetItem *FolderTreeView::nodeForKey(const QString &key) const
{
    QQueue<QTreeWidgetItem *> waiting;
    waiting.enqueue(invisibleRootItem());
    while (!waiting.isEmpty()) {
        QTreeWidgetItem *item = waiting.dequeue();
        for (int i = 0; i < item->childCount(); ++i) {
            QTreeWidgetItem *child = item->child(i);
            if (keyOf(child) == key)
                return child;
            waiting.enqueue(child);
        }
    }
    return nullptr;
}

QTreeWidgetItem *FolderTreeView::newFolderNode(const QString &key, const QString &label) const
{
    auto *node = new QTreeWidgetItem(QStringList{label});
    node->setData(0, KeyRole, key);
    node->setIcon(0, m_icons.folder);
    return node;
}

QPersistentModelIndex FolderTreeView::nodeIndex(QTreeWidgetItem *item) const
{
    return QPersistentModelIndex(indexFromItem(item));
}

QTreeWidgetItem *FolderTreeView::nodeAt(const QPersistentModelIndex &index) const
{
    return index.isValid() ? itemFromIndex(index) : nullptr;
}

QTreeWidgetItem *FolderTreeView::addNode(QTreeWidgetItem *parent, const QString &key,
                                         const QString &text, const QIcon &icon)
{
    auto *node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, KeyRole, key);
    node->setIcon(0, icon);
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    return node;
}

void FolderTreeView::addPlaceholder(QTreeWidgetItem *node, const QString &placeholderKey)
{
    auto *placeholder = new QTreeWidgetItem;
    placeholder->setData(0, KeyRole, placeholderKey);
    placeholder->setFlags(Qt::ItemIsEnabled);
    node->addChild(placeholder);
}

void FolderTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    m_hints.setHint(keyPath(keyOf(currentItem())));
}

// While the pop-up menu is open the folder's path stays in the hint panel.
void FolderTreeView::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        m_hints.setHint({});
}

// No type-to-find; moving with the keys lists the folder reached, as a click does.
void FolderTreeView::keyPressEvent(QKeyEvent *event)
{
    if (isTyping(event)) {
        event->accept();
        return;
    }
    const QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before && state() != EditingState)
        nodeClicked(currentItem());
}

// The right button marks the node for the pop-up menu without selecting it.
void FolderTreeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void FolderTreeView::contextMenuEvent(QContextMenuEvent *event)
{
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    QTreeWidgetItem *node = byMouse ? itemAt(event->pos()) : currentItem();
    event->accept();
    if (!node || keyPath(keyOf(node)).isEmpty())
        return;
    const QPoint at =
        byMouse ? event->globalPos() : viewport()->mapToGlobal(visualItemRect(node).center());
    showPopup(node, at);
}

void FolderTreeView::showPopup(QTreeWidgetItem *node, const QPoint &globalPos)
{
    setHighlighted(node, true);
    m_popupKey = keyOf(node);
    m_popupNode = nodeIndex(node);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("folderTreePopUp"));
    menu.addActions(m_popUpActions);
    const QPersistentModelIndex popupNode = m_popupNode;
    menu.exec(globalPos);
    if (QTreeWidgetItem *stillThere = nodeAt(popupNode))
        setHighlighted(stillThere, false);
}

void FolderTreeView::setPopUpActions(QAction *newFolder, QAction *deleteFolder)
{
    m_popUpActions = {newFolder, deleteFolder};
    connect(newFolder, &QAction::triggered, this, &FolderTreeView::newFolderAtPopUpNode);
    connect(deleteFolder, &QAction::triggered, this, &FolderTreeView::deleteFolderAtPopUpNode);
}

void FolderTreeView::newFolderAtPopUpNode()
{
    QTreeWidgetItem *node = nodeAt(m_popupNode);
    const QString path = keyPath(m_popupKey);
    if (node && !path.isEmpty())
        m_commands.createNewFolder(node, childPath(path, BrowserTexts::newFolderName()));
    m_popupKey.clear();
}

void FolderTreeView::deleteFolderAtPopUpNode()
{
    QTreeWidgetItem *node = nodeAt(m_popupNode);
    const QString path = keyPath(m_popupKey);
    if (node && !path.isEmpty())
        m_commands.deleteFolder(path, node);
    m_popupKey.clear();
}

void FolderTreeView::setHighlighted(QTreeWidgetItem *node, bool highlighted)
{
    if (highlighted) {
        node->setBackground(0, palette().brush(QPalette::Highlight));
        node->setForeground(0, palette().brush(QPalette::HighlightedText));
    } else {
        node->setData(0, Qt::BackgroundRole, QVariant());
        node->setData(0, Qt::ForegroundRole, QVariant());
    }
}

QStringList FolderTreeView::mimeTypes() const
{
    return {folderDragMimeType()};
}

// Only folders can be dragged; the two top nodes have no path.
QMimeData *FolderTreeView::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    if (items.isEmpty() || keyPath(keyOf(items.first())).isEmpty())
        return nullptr;
    auto *mime = new QMimeData;
    mime->setData(folderDragMimeType(), keyOf(items.first()).toUtf8());
    return mime;
}

Qt::DropActions FolderTreeView::supportedDropActions() const
{
    return Qt::CopyAction;
}
