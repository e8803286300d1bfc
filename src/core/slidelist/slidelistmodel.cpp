// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/slidelistmodel.h"

#include "core/slidelist/entryrules.h"
#include "core/slidelist/slidelisttexts.h"

#include <algorithm>

namespace {

// Above this many separate runs of rows, one reset is cheaper than a signal per run.
constexpr qsizetype MaxRemovalRuns = 16;

} // namespace

SlideListModel::SlideListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int SlideListModel::findEntry(const QString &path) const
{
    const auto it = m_rowByKey.constFind(path);
    return it == m_rowByKey.constEnd() ? 0 : it.value() + 1;
}

bool SlideListModel::addEntry(const QString &path, const QString &iconName, const QString &sizeText)
{
    return addEntries({SlideEntry{path, sizeText, iconForName(iconName)}}) == 1;
}

int SlideListModel::addEntries(const QVector<SlideEntry> &candidates)
{
    // The index learns each new row before the rows go in, in one insertion at the end; so
    // one lookup per candidate also catches a path repeated within the batch. The lookup is the
    // insertion: a second probe of a large index costs a second cache miss per entry.
    const int first = int(m_entries.size());
    m_rowByKey.reserve(first + candidates.size());
    QVector<SlideEntry> fresh;
    for (const SlideEntry &candidate : candidates) {
        const qsizetype known = m_rowByKey.size();
        int &row = m_rowByKey[candidate.path];
        if (m_rowByKey.size() == known)
            continue;
        row = first + int(fresh.size());
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
    QList<int> rows;
    rows.reserve(positions.size());
    for (int position : positions) {
        if (position >= 1 && position <= m_entries.size())
            rows.append(position - 1);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;

    // Runs of neighbouring rows, as [first, last] pairs.
    QList<std::pair<int, int>> runs;
    for (int row : rows) {
        m_rowByKey.remove(m_entries.at(row).path);
        if (!runs.isEmpty() && runs.last().second == row - 1)
            runs.last().second = row;
        else
            runs.append({row, row});
    }

    if (runs.size() <= MaxRemovalRuns) {
        for (auto run = runs.crbegin(); run != runs.crend(); ++run)
            removeRange(run->first, run->second);
    } else {
        beginResetModel();
        dropRows(rows);
        endResetModel();
    }
    rebuildIndexFrom(rows.first());
}

// One pass that closes up the gaps of the sorted rows.
void SlideListModel::dropRows(const QList<int> &sortedRows)
{
    qsizetype kept = 0;
    qsizetype next = 0; // index into sortedRows of the next row to drop
    for (qsizetype row = 0; row < m_entries.size(); ++row) {
        if (next < sortedRows.size() && sortedRows.at(next) == row) {
            ++next;
            continue;
        }
        if (kept != row)
            m_entries[kept] = std::move(m_entries[row]);
        ++kept;
    }
    m_entries.resize(kept);
}

void SlideListModel::removeRange(int first, int last)
{
    beginRemoveRows(QModelIndex(), first, last);
    m_entries.remove(first, last - first + 1);
    endRemoveRows();
}

void SlideListModel::clearEntries()
{
    beginResetModel();
    m_entries.clear();
    m_rowByKey.clear();
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

void SlideListModel::rebuildIndexFrom(int row)
{
    for (int i = row; i < m_entries.size(); ++i)
        m_rowByKey[m_entries.at(i).path] = i;
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
