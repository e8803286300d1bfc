// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/pendingpicture.h"

#include <QtConcurrent/QtConcurrentRun>

PendingPicture PendingPicture::start(const QString &path, const QSize &area, PicturePlacement place)
{
    return {path, area, QtConcurrent::run(loadPicture, path, area, place)};
}

void PendingPicture::drop()
{
    future.cancel();
    *this = PendingPicture();
}
