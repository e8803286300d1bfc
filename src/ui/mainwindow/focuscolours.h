// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// The colours the command bar's slide-show controls take with and without the focus.
namespace FocusColours {

inline const QColor Focused(192, 192, 255);
inline const QColor CheckAtRest(192, 192, 192);
inline const QColor EntryAtRest(255, 255, 255);

// Paints the background of a check box or an entry.
void paint(QWidget &widget, const QColor &colour);
QColor background(const QWidget &widget);

} // namespace FocusColours
