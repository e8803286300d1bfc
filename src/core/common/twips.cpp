// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/twips.h"

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

double twipsPerPixel()
{
    const QScreen *screen = primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 0;
    return dpi > 0 ? TwipsPerInch / dpi : FallbackTwipsPerPixel;
}

int twipsToPixels(double twips)
{
    const double pixels = twips / twipsPerPixel();
    if (std::isnan(pixels))
        return 0;
    return int(std::nearbyint(std::clamp(pixels, -PixelLimit, PixelLimit)));
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
