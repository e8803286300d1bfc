// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launch/launchmessage.h"

#include <QTest>
#include <QtEndian>

namespace {

QByteArray header(const char *magic, quint32 size)
{
    QByteArray bytes(magic, 4);
    bytes.resize(LaunchMessage::HeaderSize);
    qToBigEndian(size, bytes.data() + 4);
    return bytes;
}

} // namespace

class TstLaunchMessage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestCrossesUnchanged_data();
    void requestCrossesUnchanged();
    void headerBoundsTheBody_data();
    void headerBoundsTheBody();
    void anythingButARequestIsRefused_data();
    void anythingButARequestIsRefused();
};

void TstLaunchMessage::requestCrossesUnchanged_data()
{
    QTest::addColumn<LaunchRequest>("request");
    QTest::addColumn<LaunchRequest>("received");
    const LaunchRequest files{
        {"/home/u/写真/a b.jpg", "/home/u/trip.vrl", "/home/u/new\nline"}, false, {}, {}};
    QTest::newRow("paths of any text, in order") << files << files;
    const LaunchRequest show{{}, true, {}, {}};
    QTest::newRow("the show flag alone") << show << show;
    const LaunchRequest tokens{{"/a.jpg"}, true, "wayland-token_1", "host;123;_TIME456"};
    QTest::newRow("both activation tokens") << tokens << tokens;
    // An odd environment costs the token, never the request.
    QTest::newRow("a token that is not printable is left out")
        << LaunchRequest{{"/a.jpg"}, false, "bad\ntoken", QString(300, QLatin1Char('x'))}
        << LaunchRequest{{"/a.jpg"}, false, {}, {}};
}

void TstLaunchMessage::requestCrossesUnchanged()
{
    QFETCH(LaunchRequest, request);
    QFETCH(LaunchRequest, received);
    const QByteArray message = LaunchMessage::encode(request);
    const qsizetype size = LaunchMessage::bodySize(message.first(LaunchMessage::HeaderSize));
    QCOMPARE(size, message.size() - LaunchMessage::HeaderSize);
    QString problem;
    const std::optional<LaunchRequest> decoded =
        LaunchMessage::decode(message.sliced(LaunchMessage::HeaderSize), &problem);
    QVERIFY2(decoded, qPrintable(problem));
    QCOMPARE(*decoded, received);
}

void TstLaunchMessage::headerBoundsTheBody_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<qsizetype>("size");
    QTest::newRow("the largest body allowed")
        << header("VLNC", LaunchMessage::MaxBodySize) << LaunchMessage::MaxBodySize;
    QTest::newRow("one byte more is refused before it is read")
        << header("VLNC", LaunchMessage::MaxBodySize + 1) << qsizetype(-1);
    QTest::newRow("the largest number a header can hold")
        << header("VLNC", 0xffffffff) << qsizetype(-1);
    QTest::newRow("another program's bytes") << header("GET ", 10) << qsizetype(-1);
    QTest::newRow("a header cut short") << header("VLNC", 10).first(6) << qsizetype(-1);
}

void TstLaunchMessage::headerBoundsTheBody()
{
    QFETCH(QByteArray, header);
    QFETCH(qsizetype, size);
    QCOMPARE(LaunchMessage::bodySize(header), size);
}

void TstLaunchMessage::anythingButARequestIsRefused_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("not JSON") << QByteArray("paths=/a.jpg");
    QTest::newRow("a JSON array") << QByteArray(R"([1,"/a.jpg"])");
    QTest::newRow("no version") << QByteArray(R"({"paths":[],"show":false})");
    QTest::newRow("a later version") << QByteArray(R"({"version":2,"paths":[],"show":false})");
    QTest::newRow("a version as text") << QByteArray(R"({"version":"1","paths":[],"show":false})");
    QTest::newRow("a relative path")
        << QByteArray(R"({"version":1,"paths":["a.jpg"],"show":false})");
    QTest::newRow("a path that is no text")
        << QByteArray(R"({"version":1,"paths":[7],"show":false})");
    QTest::newRow("a path with a zero character")
        << QByteArray(R"({"version":1,"paths":["/a\u0000.jpg"],"show":false})");
    QTest::newRow("paths missing") << QByteArray(R"({"version":1,"show":false})");
    QTest::newRow("a show flag that is no flag")
        << QByteArray(R"({"version":1,"paths":[],"show":"yes"})");
    QTest::newRow("a command beyond open and show")
        << QByteArray(R"({"version":1,"paths":[],"show":false,"delete":["/a.jpg"]})");
    QTest::newRow("a token that is not printable")
        << QByteArray(R"({"version":1,"paths":[],"show":false,"startupId":"a\nb"})");
}

// A malformed message or one asking for more than opening and playing is refused whole.
void TstLaunchMessage::anythingButARequestIsRefused()
{
    QFETCH(QByteArray, body);
    QString problem;
    QVERIFY(!LaunchMessage::decode(body, &problem));
    QVERIFY(!problem.isEmpty());
}

QTEST_GUILESS_MAIN(TstLaunchMessage)
#include "tst_launchmessage.moc"
