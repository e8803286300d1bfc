// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Where a picture goes in the preview: reduced to fit but never enlarged, centred, in
// whole pixels (halves to the even neighbour).
class PreviewFit {
public:
    static QRect fit(const QSize &picture, const QSize &pane);
};
