// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/twips.h"

#include "core/common/halfeven.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440;
constexpr double FallbackTwipsPerPixel = 15;
// The largest coordinate a widget takes (QWIDGETSIZE_MAX), so absurd stored values stay sane.
constexpr double PixelLimit = (1 << 24) - 1;

QScreen *primaryScreen()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::primaryScreen();
}

} // namespace

TwipScale TwipScale::ofPrimaryScreen()
{
    const QScreen *screen = primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 0;
    return TwipScale(dpi > 0 ? TwipsPerInch / dpi : FallbackTwipsPerPixel);
}

int TwipScale::toPixels(double twips) const
{
    const double pixels = twips / m_twipsPerPixel;
    if (std::isnan(pixels))
        return 0;
    return roundHalfEven(std::clamp(pixels, -PixelLimit, PixelLimit));
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

double twipsPerPixel()
{
    return TwipScale::ofPrimaryScreen().twipsPerPixel();
}

int twipsToPixels(double twips)
{
    return TwipScale::ofPrimaryScreen().toPixels(twips);
}

double pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel();
}

QSizeF screenSizeTwips()
{
    const QScreen *screen = primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return QSizeF(pixels) * twipsPerPixel();
}
