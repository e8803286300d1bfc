// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Converts the stored twips (1/1440 inch) to pixels and back at a fixed scale.
class TwipScale {
public:
    explicit TwipScale(double twipsPerPixel)
        : m_twipsPerPixel(twipsPerPixel)
    {
    }

    // The scale of the primary screen: 1440 twips per logical inch.
    static TwipScale ofPrimaryScreen();

    double twipsPerPixel() const { return m_twipsPerPixel; }
    int toPixels(double twips) const;
    int toTwips(double pixels) const;

    // Converts the edges, so that rectangles that touch in twips touch in pixels.
    QRect toPixels(const QRect &twips) const;

private:
    double m_twipsPerPixel;
};
