// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/entryrules.h"

QString sizeText(qint64 bytes)
{
    QString digits = QString::number(bytes < 0 ? -bytes : bytes);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(','));
    if (bytes < 0)
        digits.prepend(QLatin1Char('-'));
    return digits.rightJustified(10, QLatin1Char(' '));
}

int iconForName(const QString &name)
{
    const qsizetype first = name.indexOf(QLatin1Char('.'));
    if (first < 0)
        return 1;
    const qsizetype second = name.indexOf(QLatin1Char('.'), first + 1);
    const QString piece =
        second < 0 ? name.mid(first + 1) : name.mid(first + 1, second - first - 1);
    return piece.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0 ? 2 : 1;
}
