// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/picturefit.h"

QRect FitPicture(const QSize &natural, const QSize &area)
{
    if (natural.isEmpty())
        return {};
    const int W = area.width();
    const int H = area.height();
    int w = natural.width();
    int h = natural.height();
    // Each step keeps the proportions; the height is scaled before the width takes its value.
    if (W > w && H > h) {
        h = roundHalfEven(double(W) / w * h);
        w = W;
    }
    if (!(W >= w)) {
        h = roundHalfEven(double(W) / w * h);
        w = W;
    }
    if (!(H >= h)) {
        w = roundHalfEven(double(H) / h * w);
        h = H;
    }
    const int x = roundHalfEven((W - w) / 2.0);
    const int y = roundHalfEven((H - h) / 2.0);
    return {x, y, w, h};
}

FittedPicture LoadFittedPicture(const QString &path, const QSize &area)
{
    FittedPicture fitted;
    const PictureHeader header = ReadPictureHeader(path);
    fitted.error = header.error;
    if (header.error != PictureError::None)
        return fitted;
    fitted.rect = FitPicture(header.size, area);
    if (fitted.rect.isEmpty())
        return fitted;
    fitted.image = LoadPicture(path, fitted.rect.size(), &fitted.error);
    return fitted;
}
