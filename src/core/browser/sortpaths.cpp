// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/sortpaths.h"

#include <utility>
#include <vector>

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
template<typename Item, typename Less>
qsizetype partition(Item *items, qsizetype first, qsizetype last, const Less &less)
{
    std::swap(items[first], items[middleIndex(first, last)]);
    const Item &pivot = items[first];
    qsizetype u = first;
    for (qsizetype i = first + 1; i <= last; ++i) {
        if (less(items[i], pivot))
            std::swap(items[++u], items[i]);
    }
    std::swap(items[first], items[u]);
    return u;
}

// The two parts are disjoint, so sorting the smaller one by recursion and the larger one in
// the loop gives the same result as sorting the left part first, with a stack depth of
// log2(n) instead of n in the worst case.
template<typename Item, typename Less>
void sortRange(Item *items, qsizetype first, qsizetype last, const Less &less)
{
    while (first < last) {
        const qsizetype u = partition(items, first, last, less);
        if (u - first < last - u) {
            sortRange(items, first, u - 1, less);
            first = u + 1;
        } else {
            sortRange(items, u + 1, last, less);
            last = u - 1;
        }
    }
}

QCollator pathCollator(const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// A path's sort key and where the path stood.
struct KeyedPath {
    QCollatorSortKey key;
    qsizetype index;
};

// A collation compares slowly; its sort keys compare as bytes and give the same answers, so
// each path is collated once instead of at every comparison.
void sortByKeys(QStringList &paths, qsizetype from, qsizetype to, const QCollator &collator)
{
    std::vector<KeyedPath> keyed;
    keyed.reserve(size_t(to - from + 1));
    for (qsizetype i = from; i <= to; ++i)
        keyed.push_back({collator.sortKey(paths.at(i)), i});
    sortRange(keyed.data(), 0, qsizetype(keyed.size()) - 1,
              [](const KeyedPath &a, const KeyedPath &b) { return a.key.compare(b.key) < 0; });
    QStringList sorted;
    sorted.reserve(qsizetype(keyed.size()));
    for (const KeyedPath &item : keyed)
        sorted.append(std::move(paths[item.index]));
    std::move(sorted.begin(), sorted.end(), paths.begin() + from);
}

} // namespace

PathOrder::PathOrder(const QLocale &locale)
    : m_collator(pathCollator(locale))
{
}

void SortPaths(QStringList &paths, int first, int last, const QLocale &locale)
{
    const qsizetype from = qMax<qsizetype>(first, 0);
    const qsizetype to = qMin<qsizetype>(last, paths.size() - 1);
    if (from >= to)
        return;
    // Qt's sort keys for the "C" locale keep letter case, so there the texts are compared.
    if (locale.language() != QLocale::C) {
        sortByKeys(paths, from, to, pathCollator(locale));
        return;
    }
    const PathOrder order(locale);
    sortRange(paths.data(), from, to,
              [&order](const QString &a, const QString &b) { return order.sortsBefore(a, b); });
}
