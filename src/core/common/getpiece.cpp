// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/getpiece.h"

namespace {

// 1-based position of a non-empty delimiter in text at or after start, 0 when none.
qsizetype findFrom(const QString &text, const QString &delimiter, qsizetype start)
{
    if (start > text.size())
        return 0;
    return text.indexOf(delimiter, start - 1, Qt::CaseSensitive) + 1;
}

} // namespace

QString getPiece(const QString &text, const QString &delimiter, int from, int to)
{
    if (to == -1)
        to = from;
    if (from < 1 || to < from)
        return {};
    // An empty delimiter splits nothing off: every field of a text is empty.
    if (delimiter.isEmpty())
        return {};
    const qsizetype n = delimiter.size();
    if (findFrom(text, delimiter, 1) == 0)
        return from == 1 ? text : QString();

    // Walk the fields; p is the 1-based position of the last character of field k.
    qsizetype start = 0;
    qsizetype p = 0;
    for (int k = 1; k <= to; ++k) {
        const qsizetype fieldStart = k == 1 ? 1 : p + n + 1;
        const qsizetype q = findFrom(text, delimiter, fieldStart);
        if (k == from)
            start = fieldStart;
        if (q == 0) {
            if (k < from) {
                start = 0;
                p = 0;
            } else {
                p = text.size();
            }
            break;
        }
        p = q - 1;
    }
    if (start == 0) {
        if (p == 0)
            return {};
        start = 1;
    }
    return p < start ? QString() : text.mid(start - 1, p - start + 1);
}

QString cutAtNul(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}
