// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSizeF>

// Window positions and sizes are kept in twips (1/1440 inch); the screen works in pixels.
class TwipScale {
public:
    explicit TwipScale(double twipsPerPixel)
        : m_twipsPerPixel(twipsPerPixel)
    {
    }

    // The primary screen's scale: 1440 twips per logical inch (15 twips per pixel at 96 DPI);
    // 15 when there is no screen to ask.
    static TwipScale ofPrimaryScreen();

    double twipsPerPixel() const { return m_twipsPerPixel; }

    // Nearest pixel count (halves to even), kept within what a widget can measure.
    int toPixels(double twips) const;
    // Nearest whole twips (halves to even).
    int toTwips(double pixels) const;
    // Converts the edges, so that rectangles that touch in twips touch in pixels.
    QRect toPixels(const QRect &twips) const;

private:
    double m_twipsPerPixel;
};

// The same at the primary screen's scale, for windows placed on it.
double twipsPerPixel();
int twipsToPixels(double twips);
// Exact twips of a pixel count, unrounded.
double pixelsToTwips(int pixels);

// The primary screen's full size in twips.
QSizeF screenSizeTwips();
