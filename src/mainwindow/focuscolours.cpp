#include "mainwindow/focuscolours.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QWidget>

namespace FocusColours {

namespace {

QPalette::ColorRole roleOf(const QWidget &widget)
{
    return qobject_cast<const QLineEdit *>(&widget) ? QPalette::Base : QPalette::Window;
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

bool movesWithinWindow(const QFocusEvent &event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace FocusColours
