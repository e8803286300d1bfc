// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>
#include <QSizeF>

// The slide-show window's frame when nothing usable is stored, in twips: 4515 wide and 4155
// high in the top right-hand corner of the screen, as the settings file's default.
QRectF defaultShowFrame(const QSizeF &screenTwips);

// The frame the slide-show window opens with, in pixels. A stored size below the minimum is
// raised to it, so that the toolbar and some picture stay in view; a stored size of zero or
// less, or a frame that meets none of the screens, gives the fallback frame instead. Without
// screens to ask, the stored frame stands.
QRect openingShowFrame(const QRect &stored, const QSize &minimum, const QRect &fallback,
                       const QList<QRect> &screens);
