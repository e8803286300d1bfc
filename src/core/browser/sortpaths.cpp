// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/sortpaths.h"

#include <utility>

namespace {

// (first + last) / 2 rounded to the nearest integer, halves to the even neighbour.
qsizetype middleIndex(qsizetype first, qsizetype last)
{
    const qsizetype sum = first + last;
    const qsizetype half = sum / 2;
    if (sum % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1;
}

// Moves the pivot into place and returns its final index.
qsizetype partition(QString *items, qsizetype first, qsizetype last, const PathOrder &order)
{
    std::swap(items[first], items[middleIndex(first, last)]);
    const QString &pivot = items[first];
    qsizetype u = first;
    for (qsizetype i = first + 1; i <= last; ++i) {
        if (order.sortsBefore(items[i], pivot))
            std::swap(items[++u], items[i]);
    }
    std::swap(items[first], items[u]);
    return u;
}

// The two parts are disjoint, so sorting the smaller one by recursion and the larger one in
// the loop gives the same result as sorting the left part first, with a stack depth of
// log2(n) instead of n in the worst case.
void sortRange(QString *items, qsizetype first, qsizetype last, const PathOrder &order)
{
    while (first < last) {
        const qsizetype u = partition(items, first, last, order);
        if (u - first < last - u) {
            sortRange(items, first, u - 1, order);
            first = u + 1;
        } else {
            sortRange(items, u + 1, last, order);
            last = u - 1;
        }
    }
}

} // namespace

PathOrder::PathOrder(const QLocale &locale)
    : m_collator(locale)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

// The collator compares two paths about as fast as two sort keys compare (it skips a common
// start quickly), so computing keys first would only add time.
void sortPaths(QStringList &paths, int first, int last, const QLocale &locale)
{
    const qsizetype from = qMax<qsizetype>(first, 0);
    const qsizetype to = qMin<qsizetype>(last, paths.size() - 1);
    if (from >= to)
        return;
    sortRange(paths.data(), from, to, PathOrder(locale));
}
