// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/show/pictureloader.h"

#include <future>

// Decoding as the program does it, on a worker thread, for tests that call the loader.
namespace PictureWorker {

// A thread of its own: waiting on a pool's future may run its task on the waiting thread.
inline LoadedPicture load(const QString &path, const QSize &area = QSize(),
                          PicturePlacement place = nullptr)
{
    return std::async(std::launch::async, loadPicture, path, area, place).get();
}

// Exactly the area, whatever the picture's proportions.
inline QRect fillArea(const QSize &, const QSize &area)
{
    return {QPoint(0, 0), area};
}

// No place at all: only the header is read.
inline QRect headerOnly(const QSize &, const QSize &)
{
    return {};
}

} // namespace PictureWorker
