// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/asyncpictureloader.h"

#include <utility>

AsyncPictureLoader::AsyncPictureLoader(PicturePlacement place, QObject *parent)
    : QObject(parent)
    , m_place(place)
{
    connect(&m_wantedWatcher, &QFutureWatcherBase::finished, this, [this] { deliver(true); });
    connect(&m_standInWatcher, &QFutureWatcherBase::finished, this, [this] { deliver(false); });
}

AsyncPictureLoader::~AsyncPictureLoader()
{
    cancel();
    m_ahead.drop();
}

void AsyncPictureLoader::prefetch(const QString &path, const QSize &area)
{
    if (m_ahead.isFor(path, area))
        return;
    m_ahead.drop();
    m_ahead = PendingPicture::start(path, area, m_place);
}

void AsyncPictureLoader::adopt(const PendingPicture &picture)
{
    m_ahead.drop();
    m_ahead = picture;
}

void AsyncPictureLoader::request(const QString &path, const QSize &area)
{
    if (m_wanted.isFor(path, area) ||
        (m_deferring && m_deferred.path == path && m_deferred.area == area))
        return;
    cancel();
    if (m_ahead.isFor(path, area)) {
        m_wanted = std::exchange(m_ahead, PendingPicture());
    } else if (m_ahead.isValid() && m_ahead.path == path) {
        // The same picture stays ahead as well: a window on its way to being maximised asks
        // for its first size before the final one, which may be the one decoded ahead. The
        // stand-in comes first; a second decode beside it would only slow it down.
        m_standIn = m_ahead;
        m_deferred = {path, area, QFuture<LoadedPicture>()};
        m_deferring = true;
        if (m_standIn.future.isFinished())
            deliver(false);
        else
            m_standInWatcher.setFuture(m_standIn.future);
        return;
    } else {
        m_ahead.drop();
        m_wanted = PendingPicture::start(path, area, m_place);
    }
    if (m_wanted.future.isFinished())
        deliver(true);
    else
        m_wantedWatcher.setFuture(m_wanted.future);
}

void AsyncPictureLoader::cancel()
{
    m_wanted.drop();
    m_standIn = PendingPicture();
    m_deferring = false;
    m_wantedWatcher.setFuture(QFuture<LoadedPicture>());
    m_standInWatcher.setFuture(QFuture<LoadedPicture>());
}

// The decode buffers go with the futures: only the delivered picture stays. A watcher may
// still report a future it no longer holds, which finds nothing here; a stand-in whose decode
// was called off brings no picture, and the right one is decoded all the same.
void AsyncPictureLoader::deliver(bool final)
{
    PendingPicture &source = final ? m_wanted : m_standIn;
    if (!source.isValid() || !source.future.isFinished())
        return;
    const bool decoded = source.future.resultCount() > 0;
    const LoadedPicture picture = decoded ? source.future.result() : LoadedPicture();
    source = PendingPicture();
    (final ? m_wantedWatcher : m_standInWatcher).setFuture(QFuture<LoadedPicture>());
    if (final) {
        m_standIn = PendingPicture();
        m_standInWatcher.setFuture(QFuture<LoadedPicture>());
    } else if (std::exchange(m_deferring, false)) {
        // Reported through the watcher even when it is quick, so it always follows the stand-in.
        m_wanted = PendingPicture::start(m_deferred.path, m_deferred.area, m_place);
        m_wantedWatcher.setFuture(m_wanted.future);
    }
    if (decoded)
        Q_EMIT loaded(picture, final);
}
