// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include "core/common/halfeven.h"
#include "core/show/pictureloader.h"

// Where a picture of the natural size goes in the area: the largest size with its proportions
// that fits (small pictures are enlarged, large ones reduced), centred.
QRect FitPicture(const QSize &natural, const QSize &area);

// A picture decoded at the size it is shown at, and where it goes in the area.
struct FittedPicture {
    QImage image;
    QRect rect;
    PictureError error = PictureError::None;
};

// Reads the header, fits the picture into the area and decodes it at the fitted size.
FittedPicture LoadFittedPicture(const QString &path, const QSize &area);
