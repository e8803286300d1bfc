// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/show/pictureloader.h"

#include <QFuture>
#include <QSize>
#include <QString>

// A picture being decoded on a worker thread for an area, or decoded already.
struct PendingPicture {
    QString path;
    QSize area;
    QFuture<LoadedPicture> future;

    // Starts decoding on the shared worker threads.
    static PendingPicture start(const QString &path, const QSize &area, PicturePlacement place);

    bool isValid() const { return future.isValid(); }
    bool isFor(const QString &wantedPath, const QSize &wantedArea) const
    {
        return isValid() && path == wantedPath && area == wantedArea;
    }
    // Lets go of the picture; a decode that has not begun yet never begins.
    void drop();
};
