// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/showgeometry.h"

#include <algorithm>

QRect openingShowFrame(const QRect &stored, const QSize &minimum, const QRect &fallback,
                       const QList<QRect> &screens)
{
    if (stored.width() <= 0 || stored.height() <= 0)
        return fallback;
    const QRect raised(stored.topLeft(), stored.size().expandedTo(minimum));
    const bool onSomeScreen =
        std::any_of(screens.cbegin(), screens.cend(),
                    [&](const QRect &screen) { return screen.intersects(raised); });
    return onSomeScreen || screens.isEmpty() ? raised : fallback;
}
