// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/pictureprefetcher.h"

#include <QtConcurrent/QtConcurrentRun>

void PicturePrefetcher::prefetch(const QString &path, const QSize &area)
{
    if (path == m_path && area == m_area && m_future.isValid())
        return;
    m_path = path;
    m_area = area;
    m_future = QtConcurrent::run(loadFittedPicture, path, area);
}

FittedPicture PicturePrefetcher::take(const QString &path, const QSize &area)
{
    if (path == m_path && area == m_area && m_future.isValid()) {
        FittedPicture picture = m_future.result();
        discard();
        return picture;
    }
    discard();
    return loadFittedPicture(path, area);
}

void PicturePrefetcher::discard()
{
    m_path.clear();
    m_area = QSize();
    m_future = QFuture<FittedPicture>();
}
