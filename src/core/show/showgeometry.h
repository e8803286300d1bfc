// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

// The frame the slide-show window opens with, in pixels. A stored size below the minimum is
// raised to it, so that the toolbar and some picture stay in view; a stored size of zero or
// less, or a frame that meets none of the screens, gives the fallback frame instead (the
// settings' defaultShowFrame() in pixels). Without screens to ask, the stored frame stands.
QRect openingShowFrame(const QRect &stored, const QSize &minimum, const QRect &fallback,
                       const QList<QRect> &screens);
