// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mainwindow/previewfit.h"

#include "core/show/picturefit.h"

QRect PreviewFit::fit(const QSize &picture, const QSize &pane)
{
    // A very thin picture still gets one pixel: an empty size would mean "natural size" to the
    // decoder.
    const QSize fitted = fittedSize(picture, pane, FitScaling::ReduceOnly).expandedTo({1, 1});
    return centredIn(fitted, pane);
}
