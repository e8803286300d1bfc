// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/showicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int glyphSize = 24;

QString themeName(ShowIcon which)
{
    switch (which) {
    case ShowIcon::Stop:
        return QStringLiteral("media-playback-stop");
    case ShowIcon::Back:
        return QStringLiteral("media-skip-backward");
    case ShowIcon::Pause:
        return QStringLiteral("media-playback-pause");
    case ShowIcon::Start:
        return QStringLiteral("media-playback-start");
    case ShowIcon::Next:
        return QStringLiteral("media-skip-forward");
    }
    return {};
}

QPainterPath triangle(qreal left, qreal right)
{
    QPainterPath path;
    path.moveTo(left, 5);
    path.lineTo(right, 12);
    path.lineTo(left, 19);
    path.closeSubpath();
    return path;
}

QPainterPath glyph(ShowIcon which)
{
    QPainterPath path;
    switch (which) {
    case ShowIcon::Stop:
        path.addRect(6, 6, 12, 12);
        break;
    case ShowIcon::Back:
        path.addRect(5, 5, 3, 14);
        path.addPath(triangle(19, 8));
        break;
    case ShowIcon::Pause:
        path.addRect(6, 5, 4, 14);
        path.addRect(14, 5, 4, 14);
        break;
    case ShowIcon::Start:
        path.addPath(triangle(7, 19));
        break;
    case ShowIcon::Next:
        path.addPath(triangle(5, 16));
        path.addRect(16, 5, 3, 14);
        break;
    }
    return path;
}

} // namespace

QIcon showIcon(ShowIcon which)
{
    QPixmap pixmap(glyphSize, glyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(glyph(which), QColor(40, 40, 40));
    painter.end();
    return QIcon::fromTheme(themeName(which), QIcon(pixmap));
}

QPixmap pinPixmap()
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.drawLine(QPointF(6, 7), QPointF(2, 13));
    painter.setBrush(QColor(210, 30, 30));
    painter.drawEllipse(QRectF(5, 1, 7, 7));
    return pixmap;
}
