#pragma once

#include <QColor>

class QFocusEvent;
class QWidget;

// The colours the command bar's slide-show controls take with and without the focus.
namespace FocusColours {

inline const QColor Focused(192, 192, 255);
inline const QColor CheckAtRest(192, 192, 192);
inline const QColor EntryAtRest(255, 255, 255);

// Paints the background of a check box (window role) or an entry (base role).
void paint(QWidget &widget, const QColor &colour);
QColor background(const QWidget &widget);

// Whether a focus change stays inside the window: switching to another program or opening
// a menu moves no focus between the window's controls.
bool movesWithinWindow(const QFocusEvent &event);

} // namespace FocusColours
