// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/picturefit.h"

#include "core/common/halfeven.h"

QSize fittedSize(const QSize &natural, const QSize &area, FitScaling scaling)
{
    const int areaWidth = area.width();
    const int areaHeight = area.height();
    int width = natural.width();
    int height = natural.height();
    // Each step keeps the proportions; the height is scaled before the width takes its value.
    if (scaling == FitScaling::EnlargeOrReduce && areaWidth > width && areaHeight > height) {
        height = roundHalfEven(double(areaWidth) / width * height);
        width = areaWidth;
    }
    if (areaWidth < width) {
        height = roundHalfEven(double(areaWidth) / width * height);
        width = areaWidth;
    }
    if (areaHeight < height) {
        width = roundHalfEven(double(areaHeight) / height * width);
        height = areaHeight;
    }
    return {width, height};
}

QRect centredIn(const QSize &size, const QSize &area)
{
    return {roundHalfEven((area.width() - size.width()) / 2.0),
            roundHalfEven((area.height() - size.height()) / 2.0), size.width(), size.height()};
}

QRect fitPicture(const QSize &natural, const QSize &area)
{
    if (natural.isEmpty())
        return {};
    return centredIn(fittedSize(natural, area, FitScaling::EnlargeOrReduce), area);
}
