// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>

// Window positions and sizes are kept in twips (1/1440 inch); the screen works in pixels.
// Both conversions use the primary screen's logical DPI (15 twips per pixel at 96 DPI).

// Twips per pixel of the primary screen; 15 when there is no screen to ask.
double twipsPerPixel();

// Nearest pixel count (halves to even), kept within what a widget can measure.
int twipsToPixels(double twips);

double pixelsToTwips(int pixels);

// The primary screen's full size in twips.
QSizeF screenSizeTwips();
