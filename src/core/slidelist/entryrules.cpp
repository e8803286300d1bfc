// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/entryrules.h"

#include <QStringView>

#include <iterator>

// Written from the right into a buffer and copied once: a list of many pictures makes one
// text per entry.
QString sizeText(qint64 bytes)
{
    char text[32]; // 19 digits, 6 commas and a sign at most
    char *start = std::end(text);
    quint64 rest = bytes < 0 ? 0 - quint64(bytes) : quint64(bytes);
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--start = ',';
        *--start = char('0' + rest % 10);
        rest /= 10;
        ++digits;
    } while (rest != 0);
    if (bytes < 0)
        *--start = '-';
    const qsizetype length = std::end(text) - start;
    const qsizetype width = qMax<qsizetype>(10, length);
    QString padded(width, QLatin1Char(' '));
    for (qsizetype i = 0; i < length; ++i)
        padded[width - length + i] = QLatin1Char(start[i]);
    return padded;
}

int iconForName(QStringView name)
{
    const qsizetype first = name.indexOf(QLatin1Char('.'));
    if (first < 0)
        return 1;
    const qsizetype second = name.indexOf(QLatin1Char('.'), first + 1);
    const QStringView piece =
        second < 0 ? name.mid(first + 1) : name.mid(first + 1, second - first - 1);
    return piece.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 ? 2 : 1;
}
