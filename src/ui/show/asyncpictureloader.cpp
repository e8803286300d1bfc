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
    if (m_wanted.isFor(path, area))
        return;
    cancel();
    if (m_ahead.isFor(path, area)) {
        m_wanted = std::exchange(m_ahead, PendingPicture());
    } else if (m_ahead.isValid() && m_ahead.path == path) {
        // It stays ahead as well: a window on its way to being maximised asks for its first
        // size before the final one, which may be the one decoded ahead.
        m_standIn = m_ahead;
        m_wanted = PendingPicture::start(path, area, m_place);
    } else {
        m_ahead.drop();
        m_wanted = PendingPicture::start(path, area, m_place);
    }
    if (m_wanted.future.isFinished()) {
        deliver(true);
        return;
    }
    m_wantedWatcher.setFuture(m_wanted.future);
    if (m_standIn.isValid() && m_standIn.future.isFinished())
        deliver(false);
    else if (m_standIn.isValid())
        m_standInWatcher.setFuture(m_standIn.future);
}

void AsyncPictureLoader::cancel()
{
    m_wanted.drop();
    m_standIn = PendingPicture();
    m_wantedWatcher.setFuture(QFuture<LoadedPicture>());
    m_standInWatcher.setFuture(QFuture<LoadedPicture>());
}

// The decode buffers go with the futures: only the delivered picture stays. A watcher may
// still report a future it no longer holds, or a stand-in whose decode was called off, which
// finds nothing here.
void AsyncPictureLoader::deliver(bool final)
{
    PendingPicture &source = final ? m_wanted : m_standIn;
    if (!source.isValid() || !source.future.isFinished() || source.future.resultCount() == 0)
        return;
    const LoadedPicture picture = source.future.result();
    source = PendingPicture();
    (final ? m_wantedWatcher : m_standInWatcher).setFuture(QFuture<LoadedPicture>());
    if (final) {
        m_standIn = PendingPicture();
        m_standInWatcher.setFuture(QFuture<LoadedPicture>());
    }
    Q_EMIT loaded(picture, final);
}
