// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Sorts paths[first..last] in place, ascending, without regard to letter case.
//
// The order of texts that compare equal (e.g. "X" and "x") is fixed by the procedure: a
// quicksort with the middle element as pivot, the middle index rounded half to even. Folder
// listings, the tree's sorted inserts and list files rely on getting the same order every time.
//
// The comparison is QString::compare with Qt::CaseInsensitive, not a locale collation: it is
// the same equality the program uses for paths and keys everywhere else (duplicates, lookups),
// it does not change with the user's locale settings, and it keeps the ASCII placeholder keys of
// the folder tree ahead of the Japanese section names.
//
// Indexes outside the list are clamped; an empty or one-element range is left unchanged.
void SortPaths(QStringList &paths, int first, int last);

// The comparison SortPaths uses: true when a sorts strictly before b.
bool PathSortsBefore(const QString &a, const QString &b);
