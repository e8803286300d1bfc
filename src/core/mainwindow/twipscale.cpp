// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/twipscale.h"

#include "core/common/halfeven.h"
#include "core/common/twips.h"

TwipScale TwipScale::ofPrimaryScreen()
{
    return TwipScale(::twipsPerPixel());
}

int TwipScale::toPixels(double twips) const
{
    return roundHalfEven(twips / m_twipsPerPixel);
}

int TwipScale::toTwips(double pixels) const
{
    return roundHalfEven(pixels * m_twipsPerPixel);
}

QRect TwipScale::toPixels(const QRect &twips) const
{
    const int left = toPixels(twips.left());
    const int top = toPixels(twips.top());
    const int right = toPixels(double(twips.left()) + twips.width());
    const int bottom = toPixels(double(twips.top()) + twips.height());
    return QRect(left, top, right - left, bottom - top);
}
