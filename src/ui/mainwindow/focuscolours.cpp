// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/focuscolours.h"

#include <QFocusEvent>
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

Change focusChange(QWidget &widget, const QFocusEvent &event)
{
    static const char *const Held = "velloraHoldsFocus";
    const bool held = widget.property(Held).toBool();
    if (event.gotFocus()) {
        widget.setProperty(Held, true);
        return held ? Change::None : Change::Gained;
    }
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason)
        return Change::None;
    widget.setProperty(Held, false);
    return held ? Change::Lost : Change::None;
}

} // namespace FocusColours
