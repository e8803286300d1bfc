// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/slidelistmodel.h"

#include "core/slidelist/entryrules.h"
#include "core/slidelist/slidelisttexts.h"
#include "core/slidelist/urilist.h"

#include <QMimeData>

SlideListModel::SlideListModel(QObject *parent)
    : BulkRemovalTableModel(parent)
{
}

int SlideListModel::findEntry(const QString &path) const
{
    return m_rowByPath.find(path, [this](int row) -> const QString & { return pathAt(row); }) + 1;
}

bool SlideListModel::addEntry(const QString &path, const QString &iconName, const QString &sizeText)
{
    m_rowByPath.prefetch(path);
    return addEntries({SlideEntry{path, sizeText, iconForName(iconName)}}) == 1;
}

int SlideListModel::addEntries(const QVector<SlideEntry> &candidates)
{
    // The index learns each new row before the rows go in, in one insertion at the end; so
    // one lookup per candidate also catches a path repeated within the batch.
    const int first = int(m_entries.size());
    m_rowByPath.reserve(first + candidates.size());
    QVector<SlideEntry> fresh;
    auto knownPath = [this, &fresh, first](int row) -> const QString & {
        return row < first ? pathAt(row) : fresh.at(row - first).path;
    };
    for (const SlideEntry &candidate : candidates) {
        if (m_rowByPath.insert(candidate.path, first + int(fresh.size()), knownPath) < 0)
            fresh.append(candidate);
    }
    if (fresh.isEmpty())
        return 0;
    beginInsertRows(QModelIndex(), first, first + int(fresh.size()) - 1);
    m_entries.append(std::move(fresh));
    endInsertRows();
    return int(m_entries.size()) - first;
}

void SlideListModel::removeEntry(const QString &path)
{
    const int position = findEntry(path);
    if (position > 0)
        removeEntryAt(position);
}

void SlideListModel::removeEntryAt(int position)
{
    removeEntriesAt({position});
}

void SlideListModel::removeEntriesAt(const QList<int> &positions)
{
    QVector<bool> doomed(m_entries.size(), false);
    for (int position : positions) {
        if (position >= 1 && position <= m_entries.size())
            doomed[position - 1] = true;
    }
    QVector<int> newRowOf(m_entries.size());
    int kept = 0;
    for (qsizetype row = 0; row < m_entries.size(); ++row)
        newRowOf[row] = doomed.at(row) ? -1 : kept++;
    if (kept == m_entries.size())
        return;
    m_rowByPath.renumber(newRowOf);
    removeMarkedRows(m_entries, doomed);
}

void SlideListModel::removeEntries(const QStringList &paths)
{
    QList<int> positions;
    positions.reserve(paths.size());
    for (const QString &path : paths) {
        if (const int position = findEntry(path); position > 0)
            positions.append(position);
    }
    removeEntriesAt(positions);
}

void SlideListModel::clearEntries()
{
    beginResetModel();
    m_entries.clear();
    m_rowByPath.clear();
    endResetModel();
}

QStringList SlideListModel::paths() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const SlideEntry &entry : m_entries)
        result.append(entry.path);
    return result;
}

void SlideListModel::setIcons(const QIcon &picture, const QIcon &bitmap)
{
    m_pictureIcon = picture;
    m_bitmapIcon = bitmap;
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

int SlideListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int SlideListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SlideListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const SlideEntry &entry = m_entries.at(index.row());
    if (role == Qt::DisplayRole)
        return index.column() == 0 ? entry.path : entry.sizeText;
    if (role == Qt::DecorationRole && index.column() == 0)
        return entry.icon == 2 ? m_bitmapIcon : m_pictureIcon;
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SlideListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return int((section == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return section == 0 ? SlideListTexts::nameHeader() : SlideListTexts::sizeHeader();
}

Qt::ItemFlags SlideListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return BulkRemovalTableModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList SlideListModel::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData *SlideListModel::mimeData(const QModelIndexList &indexes) const
{
    QVector<bool> dragged(m_entries.size(), false);
    for (const QModelIndex &index : indexes) {
        if (index.isValid() && index.row() < m_entries.size())
            dragged[index.row()] = true;
    }
    QStringList paths;
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        if (dragged.at(row))
            paths.append(m_entries.at(row).path);
    }
    auto *mime = new QMimeData;
    mime->setData(mimeTypes().constFirst(), uriListFromLocalPaths(paths));
    return mime;
}

Qt::DropActions SlideListModel::supportedDragActions() const
{
    return Qt::CopyAction;
}
