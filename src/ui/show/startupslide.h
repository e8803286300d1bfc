// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/show/pendingpicture.h"

#include <QStringList>

// The start-up list's first slide, prepared before any window is built, so that its picture
// decodes on a worker thread while the windows are made: the random play order when the show
// plays at random, and the first picture of the order, decoding at the size the show's
// picture area is expected to have.
struct StartupSlide {
    QStringList order; // empty in list order: the list itself is the order
    PendingPicture picture;

    // Reads the list file. The pictures are those the slide list will hold: each listed file
    // that exists, once. Nothing is prepared for a list that gives no picture.
    static StartupSlide prepare(const QString &listPath, bool randomOrder, const QSize &area);
};
