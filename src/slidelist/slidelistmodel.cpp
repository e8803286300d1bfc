#include "slidelist/slidelistmodel.h"

#include "slidelist/entryrules.h"

SlideListModel::SlideListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString SlideListModel::foldedKey(const QString &path)
{
    return path.toCaseFolded();
}

int SlideListModel::FindEntry(const QString &path) const
{
    const auto it = m_rowByKey.constFind(foldedKey(path));
    return it == m_rowByKey.constEnd() ? 0 : it.value() + 1;
}

bool SlideListModel::AddEntry(const QString &path, const QString &iconName,
                              const QString &sizeText)
{
    const QString key = foldedKey(path);
    if (m_rowByKey.contains(key))
        return false;
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(SlideEntry{path, sizeText, IconForName(iconName)});
    m_rowByKey.insert(key, row);
    endInsertRows();
    return true;
}

void SlideListModel::RemoveEntry(const QString &path)
{
    const int position = FindEntry(path);
    if (position > 0)
        RemoveEntryAt(position);
}

void SlideListModel::RemoveEntryAt(int position)
{
    const int row = position - 1;
    if (row < 0 || row >= m_entries.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rowByKey.remove(foldedKey(m_entries.at(row).path));
    m_entries.removeAt(row);
    rebuildIndexFrom(row);
    endRemoveRows();
}

void SlideListModel::ClearEntries()
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

void SlideListModel::rebuildIndexFrom(int row)
{
    for (int i = row; i < m_entries.size(); ++i)
        m_rowByKey[foldedKey(m_entries.at(i).path)] = i;
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
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SlideListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("名前") : QStringLiteral("サイズ");
}
