// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/browser/filelistview.h"

#include "core/browser/browsertexts.h"
#include "core/common/statushints.h"
#include "core/settings/settings.h"
#include "platform/detachedwork.h"
#include "platform/directorylister.h"
#include "ui/browser/folderreads.h"
#include "ui/browser/listingerrorprompt.h"
#include "ui/common/pictureicons.h"
#include "ui/common/waitcue.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

FileListView::FileListView(Settings &settings, Interaction &interaction, StatusHints &hints,
                           QWidget *parent)
    : QTreeView(parent)
    , m_settings(settings)
    , m_interaction(interaction)
    , m_hints(hints)
    , m_lister(std::make_shared<DirectoryLister>())
    , m_reading(new DetachedWork(this))
    , m_waitCue(new WaitCue(*this, hints, BrowserTexts::gatheringFiles(), *m_reading))
{
    setObjectName(QStringLiteral("fileList"));
    setModel(&m_model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    m_model.setIcons(pictureIcon(1), pictureIcon(2));

    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionClicked, this, &FileListView::headerClicked);
}

FileListView::~FileListView() = default;

void FileListView::setDirectoryLister(std::shared_ptr<const DirectoryLister> lister)
{
    m_lister = lister ? std::move(lister) : std::make_shared<DirectoryLister>();
}

void FileListView::showFolderFiles(const QString &folderPath)
{
    m_model.clear();
    header()->setSortIndicatorShown(false);
    m_folder = folderPath;
    m_removedWhileListing.clear();
    m_hints.setHint(BrowserTexts::gatheringFiles());
    const std::shared_ptr<const DirectoryLister> lister = m_lister;
    const bool jpeg = m_settings.searchesJpeg();
    const bool bitmap = m_settings.searchesBmp();
    m_reading->startInstead(
        [lister, folderPath, jpeg, bitmap](WorkTicket &ticket) {
            return readPictures(*lister, folderPath, jpeg, bitmap, ticket);
        },
        [this, folderPath](const PictureReading &reading) { picturesRead(folderPath, reading); },
        [this](int maximum, int value) { showProgress(maximum, value); });
}

bool FileListView::isListing() const
{
    return m_reading->isBusy();
}

// Retry starts the listing again from the beginning; otherwise the list shows what was found.
void FileListView::picturesRead(const QString &folderPath, const PictureReading &reading)
{
    if (reading.listing.error != ListingError::None &&
        askAgainAfterListingError(m_interaction, *m_lister, folderPath, reading.listing,
                                  FormatWording::FileList)) {
        showFolderFiles(folderPath);
        return;
    }
    QVector<FileListEntry> entries = reading.entries;
    entries.removeIf(
        [this](const FileListEntry &entry) { return m_removedWhileListing.contains(entry.key); });
    m_removedWhileListing.clear();
    m_model.setEntries(std::move(entries));
    // A header clicked while the rows were on their way sorts them as they arrive.
    if (header()->isSortIndicatorShown())
        m_model.sort(header()->sortIndicatorSection(), m_sortOrder);
    m_hints.setProgressValue(0);
    m_hints.setHint(folderPath);
    Q_EMIT previewCleared();
}

void FileListView::showProgress(int maximum, int value)
{
    m_hints.setProgressMaximum(maximum);
    m_hints.setProgressValue(value);
}

QVector<FileListEntry> FileListView::selectedEntries() const
{
    QModelIndexList rows = selectionModel()->selectedRows(FileListModel::NameColumn);
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QVector<FileListEntry> entries;
    for (const QModelIndex &row : std::as_const(rows))
        entries.append(m_model.entryAt(row.row()));
    return entries;
}

QVector<FileListEntry> FileListView::allEntries() const
{
    QVector<FileListEntry> entries;
    for (int row = 0; row < m_model.entryCount(); ++row)
        entries.append(m_model.entryAt(row));
    return entries;
}

QString FileListView::currentKey() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model.entryAt(current.row()).key : QString();
}

bool FileListView::removeEntry(const QString &key)
{
    return removeEntries({key}) > 0;
}

int FileListView::removeEntries(const QStringList &keys)
{
    if (isListing())
        m_removedWhileListing.unite(QSet<QString>(keys.cbegin(), keys.cend()));
    return m_model.removeKeys(keys);
}

void FileListView::clearEntries()
{
    if (isListing()) {
        m_reading->supersede();
        m_hints.setProgressValue(0);
    }
    m_model.clear();
    m_folder.clear();
}

// One sort order serves both columns; every click reverses it.
void FileListView::headerClicked(int column)
{
    m_sortOrder = m_sortOrder == Qt::DescendingOrder ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_model.sort(column, m_sortOrder);
    header()->setSortIndicator(column, m_sortOrder);
    header()->setSortIndicatorShown(true);
}

void FileListView::focusInEvent(QFocusEvent *event)
{
    QTreeView::focusInEvent(event);
    if (m_model.entryCount() > 0)
        m_hints.setHint(BrowserTexts::pictureCount(m_model.entryCount()));
}

void FileListView::focusOutEvent(QFocusEvent *event)
{
    QTreeView::focusOutEvent(event);
    m_hints.setHint({});
}

void FileListView::keyReleaseEvent(QKeyEvent *event)
{
    QTreeView::keyReleaseEvent(event);
    const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
    if (arrow && !event->isAutoRepeat())
        previewAfterRelease(event->modifiers());
}

void FileListView::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        previewAfterRelease(event->modifiers());
}

// The columns get their widths once, when the list first has its size: the size column
// holds a ten-character size text and the name column the rest. Later the main window's
// splitters fit the name column.
void FileListView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    if (!m_columnsPlaced && viewport()->width() > 0) {
        m_columnsPlaced = true;
        placeColumns();
    }
}

void FileListView::placeColumns()
{
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int sizeText = fontMetrics().horizontalAdvance(QStringLiteral("00,000,000")) + margins;
    const int size = qMax(sizeText, header()->sectionSizeHint(FileListModel::SizeColumn));
    header()->resizeSection(FileListModel::SizeColumn, size);
    header()->resizeSection(FileListModel::NameColumn,
                            qMax(header()->minimumSectionSize(), viewport()->width() - size));
}

// Shift alone extends a selection: the picture stays as it is.
void FileListView::previewAfterRelease(Qt::KeyboardModifiers modifiers)
{
    if (isShiftAlone(modifiers) || m_model.entryCount() == 0)
        return;
    const QString key = currentKey();
    if (!key.isEmpty())
        Q_EMIT previewRequested(key);
}
