// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/launch/launchrequest.h"

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The running program's door for later starts: a local socket in the user's runtime folder
// that only this user may open. Each connection brings one launch message; a valid one is
// answered as accepted and passed on, anything else (too large, malformed, asking more than
// the message can ask) is answered as refused, logged and dropped.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(const QString &name = defaultName(), QObject *parent = nullptr);
    ~InstanceServer() override;

    static QString defaultName() { return QStringLiteral("vellora.socket"); }
    static QString defaultSocketPath();
    QString socketPath() const { return m_socketPath; }

    // Starts listening. A socket file left by a program that died is removed first, so only
    // the holder of the instance lock may call this. False when no socket can be made.
    bool listen();

Q_SIGNALS:
    void requestReceived(const LaunchRequest &request);

private:
    void acceptConnections();
    void readMessage(QLocalSocket &socket);
    void answer(QLocalSocket &socket, bool accepted);

    QString m_socketPath;
    QLocalServer *m_server;
};
