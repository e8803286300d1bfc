// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Whether a picture smaller than the area grows to fill it.
enum class FitScaling { EnlargeOrReduce, ReduceOnly };

// The largest size with the picture's proportions that fits into the area, in whole pixels
// (halves to the even neighbour). With ReduceOnly a picture that fits keeps its natural size.
QSize fittedSize(const QSize &natural, const QSize &area, FitScaling scaling);

// A rectangle of the size centred in the area, halves to the even neighbour.
QRect centredIn(const QSize &size, const QSize &area);

// Where a picture goes in the slide show: fitted (small pictures enlarged, large ones reduced)
// and centred. An empty picture has no place.
QRect fitPicture(const QSize &natural, const QSize &area);
