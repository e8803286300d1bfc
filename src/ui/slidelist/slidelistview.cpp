// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slidelist/slidelistview.h"

#include "ui/common/pictureicons.h"

#include "core/common/statushints.h"
#include "core/slidelist/slidelistmodel.h"
#include "core/slidelist/slidelisttexts.h"
#include "platform/shellroutines.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int IconSize = 16;
constexpr int NameColumnShare = 6; // the size column is a sixth of the name column

} // namespace

SlideListView::SlideListView(SlideListModel &model, StatusHints &hints, QWidget *parent)
    : QTreeView(parent)
    , m_model(model)
    , m_hints(hints)
{
    setObjectName(QStringLiteral("slideList"));
    m_model.setIcons(pictureIcon(1), pictureIcon(2));
    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setIconSize(QSize(IconSize, IconSize));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Entries dragged out are copied; drops are the slide list's drop handling's (which ignores
    // a drop of this view's own drag).
    setDragEnabled(true);
    setDefaultDropAction(Qt::CopyAction);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    m_popUp = new QMenu(this);
    m_popUp->setObjectName(QStringLiteral("slideListPopUp"));
}

void SlideListView::setPopUpActions(const QList<QAction *> &actions)
{
    m_popUp->clear();
    m_popUp->addActions(actions);
}

QStringList SlideListView::selectedEntries() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList paths;
    paths.reserve(rows.size());
    for (const QModelIndex &row : std::as_const(rows))
        paths.append(m_model.entryAt(row.row() + 1).path);
    return paths;
}

int SlideListView::currentEntry() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString SlideListView::currentPath() const
{
    const int position = currentEntry();
    return position > 0 ? m_model.entryAt(position).path : QString();
}

void SlideListView::showListCount()
{
    m_hints.setHint(SlideListTexts::countMessage(m_model.entryCount()));
}

void SlideListView::previewCurrentEntry()
{
    const QString path = currentPath();
    if (!path.isEmpty())
        Q_EMIT previewRequested(path);
}

void SlideListView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    if (m_model.entryCount() > 0)
        showListCount();
}

void SlideListView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    m_hints.setHint(QString());
}

// A held arrow repeats its press and release; only the real release shows a picture, so that
// walking the list never waits for a decode at each step.
void SlideListView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeView::keyReleaseEvent(event);
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && !event->isAutoRepeat() && !isShiftAlone(event->modifiers()) &&
        m_model.entryCount() > 0)
        previewCurrentEntry();
}

// The menu key and Shift+F10 open the pop-up at the current entry when it is selected, as
// they do in any desktop program.
bool SlideListView::popUpAtCurrentEntry()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current))
        return false;
    m_popUp->popup(viewport()->mapToGlobal(visualRect(current).bottomLeft()));
    return true;
}

void SlideListView::keyPressEvent(QKeyEvent *event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (shiftF10 && popUpAtCurrentEntry())
        return;
    QTreeView::keyPressEvent(event);
}

void SlideListView::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard && popUpAtCurrentEntry())
        return;
    QTreeView::contextMenuEvent(event);
}

void SlideListView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    const bool overEntry = indexAt(event->position().toPoint()).isValid();
    if (event->button() == Qt::RightButton && m_model.entryCount() > 0 && overEntry)
        m_popUp->popup(event->globalPosition().toPoint());
}

void SlideListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !isShiftAlone(event->modifiers()) &&
        m_model.entryCount() > 0)
        previewCurrentEntry();
}

void SlideListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    const QString path = currentPath();
    if (event->button() == Qt::LeftButton && !path.isEmpty())
        openWithDesktop(path);
}

void SlideListView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    const int width = viewport()->width();
    const int nameWidth = width * NameColumnShare / (NameColumnShare + 1);
    header()->resizeSection(0, nameWidth);
    header()->resizeSection(1, width - nameWidth);
}
