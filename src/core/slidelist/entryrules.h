// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// Rules every way of adding a picture shares.

// File length as "##,##0", padded on the left with blanks to ten characters.
QString sizeText(qint64 bytes);

// 2 (bitmap icon) when the text between the first and second "." is "bmp", else 1.
int iconForName(QStringView name);
