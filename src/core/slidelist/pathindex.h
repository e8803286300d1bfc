// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QVector>

// The slide list's index from a path to its row: an open-addressing table of (hash, row) pairs,
// eight bytes a slot, that finds the paths themselves in the list. A lookup reads one cache line
// of the table and no path but the one whose hash matches, and growing moves only the pairs;
// so adding stays linear in the number of entries where a hash of strings is not, with paths
// spread over a memory far larger than the caches. pathAt(row) gives the path of a row.
class PathIndex {
public:
    // The row of exactly this path, -1 when it has none.
    template<typename PathAt> int find(const QString &path, const PathAt &pathAt) const;
    // Gives path the row when it has none yet and returns -1; else returns the row it has.
    template<typename PathAt> int insert(const QString &path, int row, const PathAt &pathAt);
    // Starts fetching the table's line where path would be, so that the memory works while the
    // caller makes its entry.
    void prefetch(const QString &path) const;
    // Room for count paths without growing.
    void reserve(qsizetype count);
    // Moves each row to newRowOf[row]; rows moved to -1 leave the index. No path is read.
    void renumber(const QVector<int> &newRowOf);
    void clear();

private:
    struct Slot {
        quint32 hash = 0;
        qint32 row = -1; // -1: free
    };
    static quint32 hashOf(const QString &path) { return quint32(qHash(path, size_t(0))); }
    qsizetype mask() const { return m_slots.size() - 1; }
    void rebuild(qsizetype slotCount, const QVector<Slot> &pairs);

    QVector<Slot> m_slots; // a power of two in number, at most half of them taken
    qsizetype m_count = 0;
};

template<typename PathAt> int PathIndex::find(const QString &path, const PathAt &pathAt) const
{
    if (m_slots.isEmpty())
        return -1;
    const quint32 hash = hashOf(path);
    const Slot *slots = m_slots.constData();
    for (qsizetype at = hash & mask();; at = (at + 1) & mask()) {
        if (slots[at].row < 0)
            return -1;
        if (slots[at].hash == hash && pathAt(slots[at].row) == path)
            return slots[at].row;
    }
}

template<typename PathAt> int PathIndex::insert(const QString &path, int row, const PathAt &pathAt)
{
    reserve(m_count + 1);
    const quint32 hash = hashOf(path);
    Slot *slots = m_slots.data();
    for (qsizetype at = hash & mask();; at = (at + 1) & mask()) {
        if (slots[at].row < 0) {
            slots[at] = {hash, row};
            ++m_count;
            return -1;
        }
        if (slots[at].hash == hash && pathAt(slots[at].row) == path)
            return slots[at].row;
    }
}
