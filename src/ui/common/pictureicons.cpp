// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/pictureicons.h"

#include <QPainter>
#include <QPixmap>

namespace {

constexpr int IconSize = 16;

// A small picture frame: a landscape for JPEG pictures, a checker pattern for bitmaps.
QIcon drawnIcon(bool bitmap)
{
    QPixmap pixmap(IconSize, IconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, IconSize - 3, IconSize - 5);
    if (bitmap) {
        for (int y = 4; y < IconSize - 4; y += 3) {
            for (int x = 3 + (y / 3) % 2 * 3; x < IconSize - 3; x += 6)
                painter.fillRect(x, y, 3, 3, QColor(0x9b, 0x30, 0xb0));
        }
    } else {
        painter.fillRect(3, 4, IconSize - 6, 5, QColor(0x6c, 0xa8, 0xe0));
        painter.fillRect(3, 9, IconSize - 6, 3, QColor(0x4c, 0x9a, 0x3c));
        painter.setBrush(QColor(0xf0, 0xc0, 0x30));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(IconSize - 6, 6), 1, 1);
    }
    return QIcon(pixmap);
}

} // namespace

QIcon pictureIcon(int icon)
{
    const bool bitmap = icon == 2;
    static const QIcon picture =
        QIcon::fromTheme(QStringLiteral("image-jpeg"),
                         QIcon::fromTheme(QStringLiteral("image-x-generic"), drawnIcon(false)));
    static const QIcon bitmapIcon = QIcon::fromTheme(QStringLiteral("image-bmp"), drawnIcon(true));
    return bitmap ? bitmapIcon : picture;
}

bool isShiftAlone(Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers keys =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return keys == Qt::ShiftModifier;
}
