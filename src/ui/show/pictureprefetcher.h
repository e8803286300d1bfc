// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QSize>
#include <QString>

#include "core/show/picturefit.h"

// Decodes the picture that comes next on a worker thread while the current one is on screen,
// so that the change itself only draws. Holds at most one picture ahead; a request for another
// picture or another size replaces it; a replaced decode finishes on its own and is dropped,
// since the worker holds only copies of its arguments.
class PicturePrefetcher {
public:
    void prefetch(const QString &path, const QSize &area);

    // The picture fitted into the area: the prefetched one when it is the same picture for the
    // same area (waiting for it if it is still being decoded), otherwise decoded now.
    FittedPicture take(const QString &path, const QSize &area);

    void discard();

private:
    QString m_path;
    QSize m_area;
    QFuture<FittedPicture> m_future;
};
