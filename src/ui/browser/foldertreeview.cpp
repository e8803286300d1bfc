// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/foldertreeview.h"

#include "core/browser/browsertexts.h"
#include "core/browser/foldertreekeys.h"
#include "core/browser/sortpaths.h"
#include "core/common/logcategories.h"
#include "core/common/statushints.h"
#include "platform/directorylister.h"
#include "platform/shellroutines.h"
#include "ui/browser/listingerrorprompt.h"
#include "ui/common/dragformats.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QQueue>

using namespace FolderKeys;

namespace {

constexpr int KeyRole = Qt::UserRole;

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
    , m_ownLister(std::make_unique<DirectoryLister>())
    , m_lister(m_ownLister.get())
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

void FolderTreeView::setDirectoryLister(const DirectoryLister *lister)
{
    m_lister = lister ? lister : m_ownLister.get();
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
    clear();
    QTreeWidgetItem *root = addNode(nullptr, DesktopSection(), DesktopSection(), m_icons.desktop);
    QTreeWidgetItem *computer =
        addNode(root, ComputerSection(), ComputerSection(), m_icons.computer);
    const QVector<Volume> volumes = m_lister->volumes();
    for (const Volume &volume : volumes) {
        const QIcon &icon = volume.removable ? m_icons.removable : m_icons.harddisk;
        addPlaceholder(
            addNode(computer, NodeKey(ComputerSection(), volume.path), volume.nodeText, icon),
            VolumePlaceholderKey(volume.path));
    }
    const QString home = SpecialFolderPath(SpecialFolderDocuments);
    const QString homeName = ShellDisplayName(home);
    if (!homeName.isEmpty()) {
        const QString homeKey = NodeKey(DesktopSection(), home);
        addPlaceholder(addNode(root, homeKey, homeName, m_icons.home), PlaceholderKey(homeKey));
    }
    const QString desktop = SpecialFolderPath(SpecialFolderDesktop);
    if (!desktop.isEmpty())
        fillNode(root, desktop);
    root->setExpanded(true);
    computer->setExpanded(true);

    if (QTreeWidgetItem *start = nodeForKey(expandKey)) {
        if (start->childCount() > 0 && IsPlaceholderKey(keyOf(start->child(0))))
            delete start->takeChild(0);
        fillNode(start, KeyPath(expandKey));
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

void FolderTreeView::fillNode(QTreeWidgetItem *node, const QString &folderPath)
{
    QStringList paths = listSubfolders(folderPath).paths;
    SortPaths(paths, 0, int(paths.size()) - 1);
    const QString pending = KeyPath(m_commands.pendingRenameKey());
    const QString nodeKey = keyOf(node);
    QList<QTreeWidgetItem *> children;
    children.reserve(paths.size());
    for (const QString &path : std::as_const(paths)) {
        if (!pending.isEmpty() && path.compare(pending, Qt::CaseInsensitive) == 0)
            continue;
        const QString name = ShellDisplayName(path);
        if (name.isEmpty()) {
            qCDebug(logBrowser) << "folder gone since the listing, left out:" << path;
            continue;
        }
        const QString key = ChildKey(nodeKey, path);
        QTreeWidgetItem *child = newFolderNode(key, name);
        if (m_lister->hasSubfolder(path))
            addPlaceholder(child, PlaceholderKey(key));
        children.append(child);
    }
    node->addChildren(children);
}

DirectoryListing FolderTreeView::listSubfolders(const QString &folderPath)
{
    for (;;) {
        DirectoryListing listing = m_lister->subfolders(folderPath);
        if (listing.error == ListingError::None ||
            !askAgainAfterListingError(m_interaction, *m_lister, folderPath, listing,
                                       FormatWording::FolderTree))
            return listing;
    }
}

// A placeholder first means the folder has not been read yet.
void FolderTreeView::nodeExpanded(QTreeWidgetItem *node)
{
    if (node->childCount() > 0) {
        if (!IsPlaceholderKey(keyOf(node->child(0))))
            return;
        delete node->takeChild(0);
    }
    const QString path = KeyPath(keyOf(node));
    if (m_mainInitialised && !path.isEmpty())
        fillNode(node, path);
}

void FolderTreeView::nodeClicked(QTreeWidgetItem *node)
{
    const QString path = KeyPath(keyOf(node));
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
    m_hints.setHint(KeyPath(keyOf(currentItem())));
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
    if (!node || KeyPath(keyOf(node)).isEmpty())
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
    const QString path = KeyPath(m_popupKey);
    if (node && !path.isEmpty())
        m_commands.createNewFolder(node, ChildPath(path, BrowserTexts::newFolderName()));
    m_popupKey.clear();
}

void FolderTreeView::deleteFolderAtPopUpNode()
{
    QTreeWidgetItem *node = nodeAt(m_popupNode);
    const QString path = KeyPath(m_popupKey);
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
    if (items.isEmpty() || KeyPath(keyOf(items.first())).isEmpty())
        return nullptr;
    auto *mime = new QMimeData;
    mime->setData(folderDragMimeType(), keyOf(items.first()).toUtf8());
    return mime;
}

Qt::DropActions FolderTreeView::supportedDropActions() const
{
    return Qt::CopyAction;
}
