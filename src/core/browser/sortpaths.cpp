// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/browser/sortpaths.h"

#include <algorithm>
#include <string>
#include <string_view>
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
template<typename Item, typename Before>
qsizetype partition(Item *items, qsizetype first, qsizetype last, const Before &before)
{
    std::swap(items[first], items[middleIndex(first, last)]);
    const Item &pivot = items[first];
    qsizetype u = first;
    for (qsizetype i = first + 1; i <= last; ++i) {
        if (before(items[i], pivot))
            std::swap(items[++u], items[i]);
    }
    std::swap(items[first], items[u]);
    return u;
}

// The two parts are disjoint, so sorting the smaller one by recursion and the larger one in
// the loop gives the same result as sorting the left part first, with a stack depth of
// log2(n) instead of n in the worst case.
template<typename Item, typename Before>
void sortRange(Item *items, qsizetype first, qsizetype last, const Before &before)
{
    while (first < last) {
        const qsizetype u = partition(items, first, last, before);
        if (u - first < last - u) {
            sortRange(items, first, u - 1, before);
            first = u + 1;
        } else {
            sortRange(items, u + 1, last, before);
            last = u - 1;
        }
    }
}

// Appends value in UTF-8's pattern of bytes, which keeps the order of values both ways: byte
// strings compare as the sequences of values they encode. Lone surrogates are encoded too.
void appendOrdered(std::string &bytes, char32_t value)
{
    if (value < 0x80) {
        bytes.push_back(char(value));
        return;
    }
    const int tail = value < 0x800 ? 1 : value < 0x10000 ? 2 : 3;
    static constexpr unsigned char lead[] = {0, 0xc0, 0xe0, 0xf0};
    bytes.push_back(char(lead[tail] | (value >> (6 * tail))));
    for (int shift = 6 * (tail - 1); shift >= 0; shift -= 6)
        bytes.push_back(char(0x80 | ((value >> shift) & 0x3f)));
}

// Folding as the "C" collation folds when it compares: in ASCII only A to Z change.
char32_t folded(char32_t point)
{
    if (point >= 0x80)
        return QChar::toCaseFolded(point);
    return point >= 'A' && point <= 'Z' ? point + ('a' - 'A') : point;
}

// Appends the code units of text folded one by one as the "C" collation folds them when it
// compares (a low surrogate after a high one stands for the whole code point), as ordered
// bytes. Two such keys compare as the collator compares their texts, without folding a path
// at every comparison. previous is the unit before text, if text continues another one.
void appendFoldedKey(std::string &keys, QStringView text, char16_t previous)
{
    for (const QChar unit : text) {
        const char16_t code = unit.unicode();
        const char32_t point = QChar::isLowSurrogate(code) && QChar::isHighSurrogate(previous)
                                   ? QChar::surrogateToUcs4(previous, code)
                                   : char32_t(code);
        appendOrdered(keys, folded(point));
        previous = code;
    }
}

// A path's place in the range before sorting, and its key.
struct KeyedIndex {
    std::string_view key;
    qsizetype index;
};

// The length of the start that all texts share, such as the folder of a listing.
qsizetype commonStartLength(const QString *texts, qsizetype count)
{
    const QStringView first(texts[0]);
    qsizetype common = first.size();
    for (qsizetype i = 1; i < count && common > 0; ++i) {
        const QStringView text = QStringView(texts[i]).first(qMin(common, texts[i].size()));
        common = std::mismatch(text.begin(), text.end(), first.begin()).first - text.begin();
    }
    return common;
}

// The start that all paths share folds the same in every key and leaves their order to what
// follows it, so only the rest is folded. Each path is folded once, all keys into one buffer, and
// the procedure sorts small records that compare keys only; the paths are put in their places at
// the end. Texts that compare equal end in the procedure's order as before.
void sortByFoldedKeys(QString *paths, qsizetype count)
{
    const auto size = static_cast<size_t>(count);
    const qsizetype common = commonStartLength(paths, count);
    const char16_t beforeRest = common > 0 ? paths[0].at(common - 1).unicode() : 0;
    std::string keys;
    keys.reserve(size * 16);
    std::vector<size_t> starts;
    starts.reserve(size + 1);
    for (qsizetype i = 0; i < count; ++i) {
        starts.push_back(keys.size());
        appendFoldedKey(keys, QStringView(paths[i]).sliced(common), beforeRest);
    }
    starts.push_back(keys.size());
    std::vector<KeyedIndex> items;
    items.reserve(size);
    for (size_t i = 0; i < size; ++i)
        items.push_back(
            {std::string_view(keys).substr(starts[i], starts[i + 1] - starts[i]), qsizetype(i)});
    sortRange(items.data(), 0, count - 1,
              [](const KeyedIndex &a, const KeyedIndex &b) { return a.key < b.key; });
    std::vector<QString> sorted;
    sorted.reserve(size);
    for (const KeyedIndex &item : items)
        sorted.push_back(std::move(paths[item.index]));
    std::move(sorted.begin(), sorted.end(), paths);
}

} // namespace

PathOrder::PathOrder(const QLocale &locale)
    : m_collator(locale)
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

// Other collations compare two paths about as fast as their sort keys compare (they skip a
// common start quickly), so keys would only add the time to make them.
void sortPaths(QStringList &paths, int first, int last, const QLocale &locale)
{
    const qsizetype from = qMax<qsizetype>(first, 0);
    const qsizetype to = qMin<qsizetype>(last, paths.size() - 1);
    if (from >= to)
        return;
    if (locale.language() == QLocale::C) {
        sortByFoldedKeys(paths.data() + from, to - from + 1);
        return;
    }
    const PathOrder order(locale);
    sortRange(paths.data(), from, to,
              [&order](const QString &a, const QString &b) { return order.sortsBefore(a, b); });
}
