#include "dialogs/dialoggeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

int pixels(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return int(std::lround(twips * dpi / 1440.0));
}

} // namespace

namespace DialogGeometry {

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

void fixClientSizeTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(pixels(width), pixels(height));
}

void growToContents(QWidget *widget)
{
    const QSize hint = widget->sizeHint();
    QRect rect = widget->geometry();
    rect.setWidth(qMax(rect.width(), hint.width()));
    rect.setHeight(qMax(rect.height(), hint.height()));
    if (const QWidget *parent = widget->parentWidget())
        rect.setRight(qMin(rect.right(), parent->width() - 1));
    widget->setGeometry(rect);
}

QColor colourFromWindows(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 windowsFromColour(const QColor &colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

} // namespace DialogGeometry
