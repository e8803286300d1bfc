// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/launchmessage.h"
#include "platform/instancehandover.h"
#include "platform/instanceserver.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <future>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Hands the request over on a thread of its own, as a later start does, while this thread's
// event loop serves the server.
HandOverResult handOverServed(const LaunchRequest &request, const QString &socketPath,
                              const HandOverTimes &times = {})
{
    std::future<HandOverResult> result =
        std::async(std::launch::async, [=] { return handOverRequest(request, socketPath, times); });
    const bool ended = QTest::qWaitFor(
        [&result] { return result.wait_for(0s) == std::future_status::ready; }, 20000);
    return ended ? result.get() : HandOverResult::Unreachable;
}

// What a program killed while listening leaves: a socket file that nobody listens on.
bool leaveStaleSocket(const QString &path)
{
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (descriptor < 0 || name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound =
        ::bind(descriptor, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(descriptor);
    return bound && QFileInfo::exists(path);
}

} // namespace

class TstInstanceServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void requestReachesTheRunningProgram();
    void staleSocketIsReplaced();
    void anythingButOneRequestIsRefused_data();
    void anythingButOneRequestIsRefused();

private:
    QTemporaryDir m_runtime;
};

void TstInstanceServer::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QVERIFY(QFile::setPermissions(m_runtime.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

// The request arrives whole and is acknowledged; only this user may open the socket.
void TstInstanceServer::requestReachesTheRunningProgram()
{
    InstanceServer server(QStringLiteral("reach.socket"));
    QCOMPARE(server.socketPath(), m_runtime.filePath(QStringLiteral("reach.socket")));
    QVERIFY(server.listen());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(server.socketPath()).permissions() & others, QFile::Permissions());
    QSignalSpy received(&server, &InstanceServer::requestReceived);
    const LaunchRequest request{{QStringLiteral("/pictures/写真.jpg")}, true, {}, {}};
    QCOMPARE(handOverServed(request, server.socketPath()), HandOverResult::Delivered);
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.constFirst().constFirst().value<LaunchRequest>(), request);
}

// A socket left by a program that died reaches nobody; the next program to hold the lock
// removes it and listens in its place.
void TstInstanceServer::staleSocketIsReplaced()
{
    InstanceServer server(QStringLiteral("stale.socket"));
    QVERIFY(leaveStaleSocket(server.socketPath()));
    const HandOverTimes brief{100ms, 100ms};
    QCOMPARE(handOverServed({}, server.socketPath(), brief), HandOverResult::Unreachable);
    QVERIFY(server.listen());
    QCOMPARE(handOverServed({}, server.socketPath()), HandOverResult::Delivered);
}

void TstInstanceServer::anythingButOneRequestIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray tooLarge("VLNC\0\0\0\0", LaunchMessage::HeaderSize);
    qToBigEndian(quint32(LaunchMessage::MaxBodySize + 1), tooLarge.data() + 4);
    QTest::newRow("a body larger than a mebibyte") << tooLarge + QByteArray(64 * 1024, '{');
    QByteArray malformed("VLNC\0\0\0\x02{}", LaunchMessage::HeaderSize + 2);
    QTest::newRow("a body that is no request") << malformed;
    QTest::newRow("more bytes than the header announced")
        << LaunchMessage::encode({{QStringLiteral("/a.jpg")}, false, {}, {}}) + "{}";
    QTest::newRow("another program's greeting") << QByteArray("GET / HTTP/1.0\r\n\r\n");
}

// Each refusal is answered, logged and passes nothing on.
void TstInstanceServer::anythingButOneRequestIsRefused()
{
    QFETCH(QByteArray, bytes);
    InstanceServer server(QStringLiteral("refuse.socket"));
    QVERIFY(server.listen());
    QSignalSpy received(&server, &InstanceServer::requestReceived);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^refused a message")));
    QLocalSocket client;
    client.connectToServer(server.socketPath());
    QVERIFY(client.waitForConnected(5000));
    client.write(bytes);
    QTRY_VERIFY(client.bytesAvailable() > 0);
    QCOMPARE(client.read(1), QByteArray(1, LaunchMessage::Refused));
    QTRY_COMPARE(client.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(received.count(), 0);
}

QTEST_GUILESS_MAIN(TstInstanceServer)
#include "tst_instanceserver.moc"
