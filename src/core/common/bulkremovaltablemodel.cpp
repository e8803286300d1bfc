// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/bulkremovaltablemodel.h"

QVector<int> BulkRemovalTableModel::gatheredRows(const QVector<bool> &doomed, int first, int count)
{
    QVector<int> gathered(doomed.size() - first);
    int nextDoomed = first;
    int nextKept = first + count;
    for (qsizetype row = first; row < doomed.size(); ++row)
        gathered[row - first] = doomed.at(row) ? nextDoomed++ : nextKept++;
    return gathered;
}

void BulkRemovalTableModel::moveGatheredIndexes(const QVector<int> &gathered, int first)
{
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from) {
        const int row = index.row() < first ? index.row() : gathered.at(index.row() - first);
        to.append(this->index(row, index.column()));
    }
    changePersistentIndexList(from, to);
}
