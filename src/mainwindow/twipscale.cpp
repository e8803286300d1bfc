#include "mainwindow/twipscale.h"

#include "mainwindow/halfeven.h"

#include <QGuiApplication>
#include <QScreen>

TwipScale TwipScale::ofPrimaryScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi =
        screen && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : 96.0;
    return TwipScale(1440.0 / dpi);
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
