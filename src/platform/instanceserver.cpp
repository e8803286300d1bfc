// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instanceserver.h"

#include "core/common/logcategories.h"
#include "core/launch/launchmessage.h"
#include "platform/runtimefolder.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

// A start that connects and then says nothing is not waited for longer than this.
constexpr int IdleLimitMillis = 10000;

} // namespace

InstanceServer::InstanceServer(const QString &name, QObject *parent)
    : QObject(parent)
    , m_socketPath(runtimeFilePath(name))
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
}

InstanceServer::~InstanceServer() = default;

QString InstanceServer::defaultSocketPath()
{
    return runtimeFilePath(defaultName());
}

bool InstanceServer::listen()
{
    QLocalServer::removeServer(m_socketPath);
    if (m_server->listen(m_socketPath))
        return true;
    qCWarning(logLaunch) << "later starts cannot reach this program:" << m_server->errorString();
    return false;
}

void InstanceServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        socket->setReadBufferSize(LaunchMessage::HeaderSize + LaunchMessage::MaxBodySize + 1);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(*socket); });
        QTimer::singleShot(IdleLimitMillis, socket, [socket] {
            qCWarning(logLaunch) << "a start sent no complete message in time, dropped";
            socket->abort();
        });
    }
}

// The message stays in the socket's buffer until it is complete; a header that announces too
// much is refused before the body arrives.
void InstanceServer::readMessage(QLocalSocket &socket)
{
    if (socket.bytesAvailable() < LaunchMessage::HeaderSize)
        return;
    const qsizetype bodySize = LaunchMessage::bodySize(socket.peek(LaunchMessage::HeaderSize));
    if (bodySize < 0) {
        qCWarning(logLaunch) << "refused a message: not a launch message, or too large";
        answer(socket, false);
        return;
    }
    const qsizetype messageSize = LaunchMessage::HeaderSize + bodySize;
    if (socket.bytesAvailable() < messageSize)
        return;
    if (socket.bytesAvailable() > messageSize) {
        qCWarning(logLaunch) << "refused a message: more bytes than its header announced";
        answer(socket, false);
        return;
    }
    socket.skip(LaunchMessage::HeaderSize);
    QString problem;
    const std::optional<LaunchRequest> request =
        LaunchMessage::decode(socket.read(bodySize), &problem);
    if (!request) {
        qCWarning(logLaunch) << "refused a message:" << problem;
        answer(socket, false);
        return;
    }
    answer(socket, true);
    Q_EMIT requestReceived(*request);
}

void InstanceServer::answer(QLocalSocket &socket, bool accepted)
{
    disconnect(&socket, &QLocalSocket::readyRead, this, nullptr);
    socket.write(QByteArray(1, accepted ? LaunchMessage::Accepted : LaunchMessage::Refused));
    socket.disconnectFromServer();
}
