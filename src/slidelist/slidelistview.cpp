#include "slidelist/slidelistview.h"

#include "app/statushints.h"
#include "platform/shellroutines.h"
#include "slidelist/slidelistmodel.h"
#include "slidelist/slidelisttexts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int IconSize = 16;
constexpr int NameColumnShare = 6; // the size column is a sixth of the name column

// A small picture-frame icon for when the desktop theme has none: a landscape for JPEG
// pictures, a checker pattern for bitmaps.
QIcon drawnIcon(bool bitmap)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, IconSize - 3, IconSize - 5);
    if (bitmap) {
        for (int y = 4; y < IconSize - 4; y += 3) {
            for (int x = 3 + (y / 3) % 2 * 3; x < IconSize - 3; x += 6)
                painter.fillRect(x, y, 3, 3, QColor(0x9b, 0x30, 0xb0));
        }
    } else {
        painter.fillRect(3, 4, IconSize - 6, 5, QColor(0x6c, 0xa8, 0xe0));
        painter.fillRect(3, 9, IconSize - 6, 3, QColor(0x4c, 0x9a, 0x3c));
        painter.setBrush(QColor(0xf0, 0xc0, 0x30));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(IconSize - 6, 6), 1, 1);
    }
    return QIcon(pixmap);
}

// Shift held without Ctrl, Alt or Meta: the selection is being extended.
bool isShiftAlone(Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers keys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return keys == Qt::ShiftModifier;
}

} // namespace

SlideListView::SlideListView(SlideListModel &model, StatusHints &hints, QWidget *parent)
    : QTreeView(parent)
    , m_model(model)
    , m_hints(hints)
{
    setObjectName(QStringLiteral("ListView2"));
    m_model.setIcons(QIcon::fromTheme(QStringLiteral("image-x-generic"), drawnIcon(false)),
                     QIcon::fromTheme(QStringLiteral("image-bmp"), drawnIcon(true)));
    setModel(&m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setIconSize(QSize(IconSize, IconSize));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    buildPopUpMenu();
}

void SlideListView::buildPopUpMenu()
{
    m_popUp = new QMenu(this);
    m_popUp->setObjectName(QStringLiteral("mnu_PopUp"));
    const QStringList items = SlideListTexts::popUpItems();
    for (int i = 0; i < items.size(); ++i) {
        QAction *action = m_popUp->addAction(items.at(i));
        connect(action, &QAction::triggered, this, [this, i] { Q_EMIT popUpCommand(i); });
    }
}

QStringList SlideListView::SelectedEntries() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList paths;
    paths.reserve(rows.size());
    for (const QModelIndex &row : std::as_const(rows))
        paths.append(m_model.EntryAt(row.row() + 1).path);
    return paths;
}

int SlideListView::CurrentEntry() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString SlideListView::currentPath() const
{
    const int position = CurrentEntry();
    return position > 0 ? m_model.EntryAt(position).path : QString();
}

void SlideListView::ShowListCount()
{
    m_hints.setHint(SlideListTexts::countMessage(m_model.EntryCount()));
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
    if (m_model.EntryCount() > 0)
        ShowListCount();
}

void SlideListView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    m_hints.setHint(QString());
}

void SlideListView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeView::keyReleaseEvent(event);
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && !isShiftAlone(event->modifiers()) && m_model.EntryCount() > 0)
        previewCurrentEntry();
}

void SlideListView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    const bool overEntry = indexAt(event->position().toPoint()).isValid();
    if (event->button() == Qt::RightButton && m_model.EntryCount() > 0 && overEntry)
        m_popUp->popup(event->globalPosition().toPoint());
}

void SlideListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !isShiftAlone(event->modifiers()) &&
        m_model.EntryCount() > 0)
        previewCurrentEntry();
}

void SlideListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeView::mouseDoubleClickEvent(event);
    const QString path = currentPath();
    if (!path.isEmpty())
        OpenWithDesktop(path);
}

void SlideListView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    const int width = viewport()->width();
    const int nameWidth = width * NameColumnShare / (NameColumnShare + 1);
    header()->resizeSection(0, nameWidth);
    header()->resizeSection(1, width - nameWidth);
}
