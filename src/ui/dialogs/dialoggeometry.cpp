// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/dialoggeometry.h"

#include "core/common/twips.h"

#include <QWidget>

namespace DialogGeometry {

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

void fixClientSizeTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(twipsToPixels(width), twipsToPixels(height));
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

} // namespace DialogGeometry
