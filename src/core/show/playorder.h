// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <functional>

// Gives a whole number in [0, bound), every value equally likely.
using RandomSource = std::function<quint32(quint32 bound)>;

// The system's random source, seeded once by the system.
RandomSource systemRandomSource();

// The order in which the slides are played: the list order, or, when randomOrder is 1, a
// permutation of the keys drawn uniformly (each key exactly once).
QStringList buildPlayOrder(const QStringList &keys, qint16 randomOrder,
                           const RandomSource &random = systemRandomSource());
