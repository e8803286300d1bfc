// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/bulkremovaltablemodel.h"
#include "core/slidelist/pathindex.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QVector>

// One row of the slide list.
struct SlideEntry {
    QString path;     // full path, the entry's key, shown in column 1
    QString sizeText; // sizeText at the time of adding, column 2
    int icon = 1;     // 1 = JPEG picture icon, 2 = bitmap icon
};

// The slide list: entries in the order they were added, each path at most once. A path names
// one file exactly: /p/A.jpg and /p/a.jpg are two pictures. Positions in the routine names
// are 1-based, as the commands count them.
class SlideListModel : public BulkRemovalTableModel {
    Q_OBJECT
public:
    explicit SlideListModel(QObject *parent = nullptr);

    // Finds the entry whose path is exactly the text: 1-based position or 0.
    int findEntry(const QString &path) const;
    bool addEntry(const QString &path, const QString &iconName, const QString &sizeText);
    // Appends the candidates (icons already chosen) that are not in the list yet, in one
    // insertion; a path repeated within the batch counts once. Returns how many were added.
    int addEntries(const QVector<SlideEntry> &candidates);
    void removeEntry(const QString &path);
    void removeEntryAt(int position);
    // Removes the entries at the given 1-based positions (any order, repeats and positions
    // out of range ignored) in one update; the others keep their order.
    void removeEntriesAt(const QList<int> &positions);
    // Removes the entries of exactly these paths in one update; paths not listed are ignored.
    void removeEntries(const QStringList &paths);
    void clearEntries();
    int entryCount() const { return int(m_entries.size()); }
    const SlideEntry &entryAt(int position) const { return m_entries.at(position - 1); }
    QStringList paths() const;

    // Icons shown beside the paths: the JPEG picture icon and the bitmap icon.
    void setIcons(const QIcon &picture, const QIcon &bitmap);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Entries dragged out carry their files as a text/uri-list, in list order, to be copied:
    // a file manager never moves or deletes the pictures of the list.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    const QString &pathAt(int row) const { return m_entries.at(row).path; }

    QVector<SlideEntry> m_entries;
    PathIndex m_rowByPath; // path -> 0-based row
    QIcon m_pictureIcon;
    QIcon m_bitmapIcon;
};
