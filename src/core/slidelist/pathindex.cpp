// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/pathindex.h"

namespace {

constexpr qsizetype SmallestTable = 16;

} // namespace

void PathIndex::prefetch(const QString &path) const
{
#if defined(__GNUC__)
    if (!m_slots.isEmpty())
        __builtin_prefetch(m_slots.constData() + (hashOf(path) & mask()));
#else
    Q_UNUSED(path);
#endif
}

void PathIndex::reserve(qsizetype count)
{
    if (count * 2 <= m_slots.size())
        return;
    qsizetype slotCount = qMax(SmallestTable, m_slots.size());
    while (slotCount < count * 2)
        slotCount *= 2;
    rebuild(slotCount, m_slots);
}

void PathIndex::renumber(const QVector<int> &newRowOf)
{
    QVector<Slot> pairs;
    pairs.reserve(m_count);
    for (const Slot &slot : std::as_const(m_slots)) {
        if (slot.row >= 0 && newRowOf.at(slot.row) >= 0)
            pairs.append({slot.hash, newRowOf.at(slot.row)});
    }
    rebuild(m_slots.size(), pairs);
}

void PathIndex::clear()
{
    m_slots.clear();
    m_count = 0;
}

// Places the pairs (free slots among them are skipped) in a fresh table of slotCount slots.
void PathIndex::rebuild(qsizetype slotCount, const QVector<Slot> &pairs)
{
    QVector<Slot> fresh(slotCount);
    Slot *slots = fresh.data();
    const qsizetype slotMask = slotCount - 1;
    m_count = 0;
    for (const Slot &pair : pairs) {
        if (pair.row < 0)
            continue;
        qsizetype at = pair.hash & slotMask;
        while (slots[at].row >= 0)
            at = (at + 1) & slotMask;
        slots[at] = pair;
        ++m_count;
    }
    m_slots = std::move(fresh);
}
