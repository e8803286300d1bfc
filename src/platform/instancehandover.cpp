// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instancehandover.h"

#include "core/common/logcategories.h"
#include "core/launch/launchmessage.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace {

// Pause between attempts while the running program is not yet listening.
constexpr unsigned long RetryPauseMillis = 50;

int remainingMillis(const QDeadlineTimer &deadline)
{
    return int(std::max<qint64>(0, deadline.remainingTime()));
}

bool connectWithin(QLocalSocket &socket, const QString &socketPath, std::chrono::milliseconds time)
{
    const QDeadlineTimer deadline(time);
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(remainingMillis(deadline)))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(std::min<unsigned long>(RetryPauseMillis, remainingMillis(deadline)));
    }
}

} // namespace

HandOverResult handOverRequest(const LaunchRequest &request, const QString &socketPath,
                               const HandOverTimes &times)
{
    QLocalSocket socket;
    if (!connectWithin(socket, socketPath, times.connect)) {
        qCDebug(logLaunch) << "running program not reached:" << socket.errorString();
        return HandOverResult::Unreachable;
    }
    socket.write(LaunchMessage::encode(request));
    const QDeadlineTimer deadline(times.answer);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMillis(deadline)))
            return HandOverResult::Unreachable;
    }
    char answer = 0;
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(remainingMillis(deadline)))
            return HandOverResult::Unreachable;
    }
    socket.getChar(&answer);
    return answer == LaunchMessage::Accepted ? HandOverResult::Delivered : HandOverResult::Refused;
}
