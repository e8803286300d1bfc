// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/bulkremovaltablemodel.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QVector>

// One picture file of the file list.
struct FileListEntry {
    QString key;      // full path, unique within the list
    QString name;     // display name, column 1
    QString sizeText; // padded size, column 2
    qint64 size = 0;  // bytes, what the size column sorts by
    int icon = 1;     // 1 = JPEG picture icon, 2 = bitmap icon
};

// Rows of the file list (ListView1), in the order they were given or last sorted.
class FileListModel : public BulkRemovalTableModel {
    Q_OBJECT
public:
    static constexpr int NameColumn = 0;
    static constexpr int SizeColumn = 1;
    static QString dragMimeType() { return QStringLiteral("text/plain"); }

    explicit FileListModel(QObject *parent = nullptr);

    void setEntries(QVector<FileListEntry> entries);
    void clear();
    int entryCount() const { return int(m_entries.size()); }
    const FileListEntry &entryAt(int row) const { return m_entries.at(row); }
    // Row of the entry whose key is exactly path, or -1.
    int rowOfKey(const QString &key) const;
    bool removeKey(const QString &key);
    // Removes the entries of these keys in one update; returns how many there were.
    int removeKeys(const QStringList &keys);

    void setIcons(const QIcon &jpegIcon, const QIcon &bitmapIcon);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Stable: entries that compare equal keep their order. Names compare without regard to
    // case; sizes by their byte counts.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Drags carry the file list's drag text of the rows touched by indexes, in row order.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    QVector<FileListEntry> m_entries;
    QIcon m_jpegIcon;
    QIcon m_bitmapIcon;
};
