// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/focuscolours.h"

#include <QLineEdit>
#include <QWidget>

namespace FocusColours {

namespace {

QPalette::ColorRole roleOf(const QWidget &widget)
{
    return qobject_cast<const QLineEdit *>(&widget) ? QPalette::Base : widget.backgroundRole();
}

} // namespace

void paint(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(roleOf(widget), colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QColor background(const QWidget &widget)
{
    return widget.palette().color(roleOf(widget));
}

} // namespace FocusColours
