// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/show/pendingpicture.h"

#include <QFutureWatcher>
#include <QObject>

// Decodes pictures on worker threads and hands them to the application's thread, where they
// are drawn. The picture asked for last wins: what an earlier request still brings is dropped.
// One picture can be decoded ahead, so that asking for it later only takes it.
class AsyncPictureLoader : public QObject {
    Q_OBJECT
public:
    explicit AsyncPictureLoader(PicturePlacement place, QObject *parent = nullptr);
    ~AsyncPictureLoader() override;

    // Starts decoding the picture that is likely asked for next; it replaces the one before.
    void prefetch(const QString &path, const QSize &area);
    // Takes a decode started elsewhere as the one decoded ahead.
    void adopt(const PendingPicture &picture);

    // Asks for a picture fitted into the area: loaded() follows, at once when the picture is
    // decoded already. When the picture decoded ahead is the same one for another area, it is
    // handed out first as a stand-in as soon as it is there, and the right one is decoded
    // after it; it stays ahead until another picture is prefetched.
    void request(const QString &path, const QSize &area);
    // Drops what the last request still brings.
    void cancel();
    bool isLoading() const { return m_wanted.isValid() || m_deferring; }

Q_SIGNALS:
    void loaded(const LoadedPicture &picture, bool final);

private:
    void deliver(bool final);

    const PicturePlacement m_place;
    PendingPicture m_ahead;
    PendingPicture m_wanted;
    PendingPicture m_standIn;
    // The picture asked for, to be decoded once its stand-in is there.
    PendingPicture m_deferred;
    bool m_deferring = false;
    // Watching another future forgets what the one before has posted and not yet told.
    QFutureWatcher<LoadedPicture> m_wantedWatcher;
    QFutureWatcher<LoadedPicture> m_standInWatcher;
};
