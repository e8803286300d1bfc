// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Fields from..to (numbered from 1) of a text whose fields are separated by delimiter,
// joined by the delimiter as they stand in the text. to omitted means to = from. Field
// numbers below 1, or to below from, give the empty text.
QString getPiece(const QString &text, const QString &delimiter, int from, int to = -1);

// The text before its first NUL character; the whole text when it holds none.
QString cutAtNul(const QString &text);
