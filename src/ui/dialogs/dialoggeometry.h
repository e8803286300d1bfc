// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

class QWidget;

// Placing controls on the dialogs, whose designs are measured in twips, and the Windows
// colour values (0x00BBGGRR) the settings keep.
namespace DialogGeometry {

// Places widget inside its parent at a rectangle given in twips.
void placeTwips(QWidget *widget, int left, int top, int width, int height);

// Sets the client area of a window to a size given in twips and keeps it there.
void fixClientSizeTwips(QWidget *window, int width, int height);

// Lets a placed control grow to what its text needs in the platform's font, keeping its
// top left corner and staying inside its parent.
void growToContents(QWidget *widget);

} // namespace DialogGeometry
