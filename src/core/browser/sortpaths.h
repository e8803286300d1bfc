// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCollator>
#include <QLocale>
#include <QStringList>

// The order in which paths are shown: the collation of a locale (by default the user's),
// without regard to letter case. Under the "C" locale that is the order of the code points
// with letter case folded.
class PathOrder {
public:
    explicit PathOrder(const QLocale &locale = QLocale().collation());

    // True when a sorts strictly before b.
    bool sortsBefore(const QString &a, const QString &b) const
    {
        return m_collator.compare(a, b) < 0;
    }

private:
    QCollator m_collator;
};

// Sorts paths[first..last] in place, ascending, by PathOrder for the given locale.
//
// The order of texts that compare equal (e.g. "X" and "x") is fixed by the procedure: a
// quicksort with the middle element as pivot, the middle index rounded half to even. Folder
// listings, the tree's sorted inserts and list files rely on getting the same order every time.
//
// Indexes outside the list are clamped; an empty or one-element range is left unchanged.
void sortPaths(QStringList &paths, int first, int last,
               const QLocale &locale = QLocale().collation());
