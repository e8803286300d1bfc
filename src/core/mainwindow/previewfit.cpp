// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/previewfit.h"

#include "core/common/halfeven.h"

#include <algorithm>

QRect PreviewFit::fit(const QSize &picture, const QSize &pane)
{
    double w = picture.width();
    double h = picture.height();
    if (pane.width() < w) {
        h = roundHalfEven(pane.width() / w * h);
        w = pane.width();
    }
    if (pane.height() < h) {
        w = roundHalfEven(pane.height() / h * w);
        h = pane.height();
    }
    // A very thin picture still gets one pixel: an empty size would mean "natural size" to
    // the decoder.
    const int width = std::max(1, int(w));
    const int height = std::max(1, int(h));
    return QRect(roundHalfEven((pane.width() - width) / 2.0),
                 roundHalfEven((pane.height() - height) / 2.0), width, height);
}
