// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QVector>

#include <utility>

// A flat table model whose rows can leave many at a time in one update. Removing thousands of
// scattered rows one signal at a time costs each view and every persistent index a pass per
// row; here they leave in two passes whatever their number: a layout change that gathers them
// into one block where the first of them stood, then the removal of that block. The other
// rows keep their order, their selection and the current index; a current row that leaves
// passes to its neighbour, as with any removal of one block of rows.
class BulkRemovalTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

protected:
    // Rows marked in doomed leave entries (one mark per row).
    template<typename Entry>
    void removeMarkedRows(QVector<Entry> &entries, const QVector<bool> &doomed);

private:
    // For each row from first on, the row it takes while the doomed rows are gathered.
    static QVector<int> gatheredRows(const QVector<bool> &doomed, int first, int count);
    void moveGatheredIndexes(const QVector<int> &gathered, int first);
};

template<typename Entry>
void BulkRemovalTableModel::removeMarkedRows(QVector<Entry> &entries, const QVector<bool> &doomed)
{
    const int first = int(doomed.indexOf(true));
    if (first < 0)
        return;
    const int count = int(doomed.count(true));
    const int last = int(doomed.lastIndexOf(true));
    if (last - first + 1 != count) {
        const QVector<int> gathered = gatheredRows(doomed, first, count);
        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        QVector<Entry> tail(entries.size() - first);
        for (qsizetype row = first; row < entries.size(); ++row)
            tail[gathered.at(row - first) - first] = std::move(entries[row]);
        std::move(tail.begin(), tail.end(), entries.begin() + first);
        moveGatheredIndexes(gathered, first);
        Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    beginRemoveRows({}, first, first + count - 1);
    entries.remove(first, count);
    endRemoveRows();
}
