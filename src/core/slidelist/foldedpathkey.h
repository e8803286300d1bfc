// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A path as a hash key compared without regard to letter case. It shares the path's text,
// so an index of many paths costs no second, folded copy of each.
struct FoldedPathKey {
    QString text;

    bool operator==(const FoldedPathKey &other) const
    {
        return text.compare(other.text, Qt::CaseInsensitive) == 0;
    }
};

// Hashes the case-folded code points, so keys equal without regard to case hash alike.
size_t qHash(const FoldedPathKey &key, size_t seed = 0) noexcept;
