// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/filelistmodel.h"

#include "core/browser/browsertexts.h"
#include "core/browser/filedragtext.h"

#include <QMimeData>
#include <QSet>

#include <algorithm>
#include <numeric>
#include <set>

FileListModel::FileListModel(QObject *parent)
    : BulkRemovalTableModel(parent)
{
}

void FileListModel::setEntries(QVector<FileListEntry> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void FileListModel::clear()
{
    setEntries({});
}

int FileListModel::rowOfKey(const QString &key) const
{
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).key == key)
            return row;
    }
    return -1;
}

bool FileListModel::removeKey(const QString &key)
{
    return removeKeys({key}) > 0;
}

int FileListModel::removeKeys(const QStringList &keys)
{
    const QSet<QString> wanted(keys.cbegin(), keys.cend());
    QVector<bool> doomed(m_entries.size(), false);
    int found = 0;
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        if (wanted.contains(m_entries.at(row).key)) {
            doomed[row] = true;
            ++found;
        }
    }
    removeMarkedRows(m_entries, doomed);
    return found;
}

void FileListModel::setIcons(const QIcon &jpegIcon, const QIcon &bitmapIcon)
{
    m_jpegIcon = jpegIcon;
    m_bitmapIcon = bitmapIcon;
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn),
                           {Qt::DecorationRole});
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const FileListEntry &entry = m_entries.at(index.row());
    const bool nameColumn = index.column() == NameColumn;
    switch (role) {
    case Qt::DisplayRole:
        return nameColumn ? entry.name : entry.sizeText;
    case Qt::DecorationRole:
        if (nameColumn)
            return entry.icon == 2 ? m_bitmapIcon : m_jpegIcon;
        return {};
    case Qt::TextAlignmentRole:
        if (!nameColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ToolTipRole:
    case Qt::UserRole:
        return entry.key;
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == NameColumn ? BrowserTexts::nameHeader() : BrowserTexts::sizeHeader();
}

Qt::ItemFlags FileListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void FileListModel::sort(int column, Qt::SortOrder order)
{
    const bool bySize = column == SizeColumn;
    auto before = [bySize](const FileListEntry &a, const FileListEntry &b) {
        if (bySize)
            return a.size < b.size;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    };
    QVector<int> rows(m_entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? before(m_entries.at(a), m_entries.at(b))
                                           : before(m_entries.at(b), m_entries.at(a));
    });

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<int> newRowOf(rows.size());
    QVector<FileListEntry> sorted;
    sorted.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        newRowOf[rows.at(i)] = i;
        sorted.append(m_entries.at(rows.at(i)));
    }
    m_entries = std::move(sorted);
    const QModelIndexList oldIndexes = persistentIndexList();
    QModelIndexList newIndexes;
    for (const QModelIndex &old : oldIndexes)
        newIndexes.append(index(newRowOf.at(old.row()), old.column()));
    changePersistentIndexList(oldIndexes, newIndexes);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QStringList FileListModel::mimeTypes() const
{
    return {dragMimeType()};
}

QMimeData *FileListModel::mimeData(const QModelIndexList &indexes) const
{
    std::set<int> rows;
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && index.row() < m_entries.size())
            rows.insert(index.row());
    }
    QVector<FileDragRecord> records;
    for (int row : rows) {
        const FileListEntry &entry = m_entries.at(row);
        records.append({entry.key, entry.name, entry.sizeText});
    }
    auto *mime = new QMimeData;
    mime->setText(fileDragText(records));
    return mime;
}

Qt::DropActions FileListModel::supportedDragActions() const
{
    return Qt::CopyAction;
}
