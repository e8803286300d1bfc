// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/playorder.h"

#include <QRandomGenerator>

RandomSource systemRandomSource()
{
    return [](quint32 bound) {
        return QRandomGenerator::global()->bounded(bound);
    };
}

QStringList buildPlayOrder(const QStringList &keys, qint16 randomOrder, const RandomSource &random)
{
    QStringList order = keys;
    if (randomOrder != 1 || !random)
        return order;
    // Fisher-Yates: uniform over all permutations like drawing with rejection, but in n steps.
    // The modulo only guards against a source that breaks its bound; it never loops.
    for (qsizetype i = order.size() - 1; i > 0; --i) {
        const auto bound = quint32(i + 1);
        const qsizetype j = random(bound) % bound;
        order.swapItemsAt(i, j);
    }
    return order;
}
