// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/foldedpathkey.h"

size_t qHash(const FoldedPathKey &key, size_t seed) noexcept
{
    // FNV-1a over the folded code points.
    size_t hash = seed ^ 0xcbf29ce484222325ULL;
    const QString &text = key.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t unit = text.at(i).unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            unit = QChar::surrogateToUcs4(char16_t(unit), text.at(i + 1).unicode());
            ++i;
        }
        hash = (hash ^ QChar::toCaseFolded(unit)) * 0x100000001b3ULL;
    }
    return hash;
}
