// SPDX-License-Identifier: GPL-3.0-or-later
#include "showfixture.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>

// The desktop's screen saver as the session bus offers it, recording what it is asked.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QSet<uint> held;
    int inhibitCalls = 0;
    int unknownCookies = 0;
    QString application;
    QString reason;

public Q_SLOTS:
    uint Inhibit(const QString &applicationName, const QString &reasonForInhibit)
    {
        application = applicationName;
        reason = reasonForInhibit;
        held.insert(++m_lastCookie);
        ++inhibitCalls;
        return m_lastCookie;
    }
    void UnInhibit(uint cookie) { unknownCookies += held.remove(cookie) ? 0 : 1; }
    bool GetActive() const { return false; }

private:
    uint m_lastCookie = 100;
};

// The slide-show window on a private session bus of its own, started here, on which a fake
// screen saver answers.
class TstShowKeepsScreenAwake : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void playingHoldsTheScreenSaverOff_data();
    void playingHoldsTheScreenSaverOff();

private:
    // Everything the program sent on the bus has reached the fake screen saver.
    bool busCaughtUp() const;

    QTemporaryDir m_busFolder;
    QProcess m_busDaemon;
    FakeScreenSaver m_screenSaver;
    std::unique_ptr<ShowFixture> f;
};

void TstShowKeepsScreenAwake::initTestCase()
{
    m_busDaemon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1"),
                       QStringLiteral("--address=unix:dir=") + m_busFolder.path()});
    if (!m_busDaemon.waitForStarted())
        QSKIP("dbus-daemon is not installed");
    QVERIFY(m_busDaemon.waitForReadyRead());
    const QByteArray address = m_busDaemon.readLine().trimmed();
    // Read when the program first asks for the session bus, which is after this.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection serverSide =
        QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("fake"));
    QVERIFY(serverSide.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"),
                                      &m_screenSaver, QDBusConnection::ExportAllSlots));
    QVERIFY(serverSide.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
}

void TstShowKeepsScreenAwake::cleanupTestCase()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
    m_busDaemon.terminate();
    m_busDaemon.waitForFinished();
}

void TstShowKeepsScreenAwake::init()
{
    f = std::make_unique<ShowFixture>();
}

void TstShowKeepsScreenAwake::cleanup()
{
    delete f->window.data();
    f.reset();
    QVERIFY(busCaughtUp());
    m_screenSaver.held.clear();
    m_screenSaver.inhibitCalls = 0;
    m_screenSaver.unknownCookies = 0;
}

// The bus keeps the order of one sender's messages and the program takes the answers in order:
// when the answer to a call is in, the fake screen saver has taken all the program sent before
// and the program all its answers. Two rounds, as taking an answer may send more (a cookie no
// longer needed goes back at once).
bool TstShowKeepsScreenAwake::busCaughtUp() const
{
    const QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"),
        QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetActive"));
    for (int round = 0; round < 2; ++round) {
        QDBusPendingCallWatcher answer(QDBusConnection::sessionBus().asyncCall(ask));
        QSignalSpy finished(&answer, &QDBusPendingCallWatcher::finished);
        if (!QTest::qWaitFor([&finished] { return finished.count() == 1; }) || answer.isError())
            return false;
    }
    return true;
}

void TstShowKeepsScreenAwake::playingHoldsTheScreenSaverOff_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("answeredFirst");
    QTest::addColumn<int>("heldAfter");
    QTest::addColumn<int>("inhibitCalls");
    const QString pause = QStringLiteral("pauseAction");
    const QString gone = QStringLiteral("delete");

    QTest::newRow("a playing show holds it off") << QStringList{} << true << 1 << 1;
    QTest::newRow("pause lets it go") << QStringList{pause} << true << 0 << 1;
    QTest::newRow("playing again holds it off again")
        << QStringList{pause, pause} << true << 1 << 2;
    QTest::newRow("a step while paused lets go only once")
        << QStringList{pause, QStringLiteral("nextAction")} << true << 0 << 1;
    QTest::newRow("full screen changes nothing")
        << QStringList{QStringLiteral("fullScreenAction")} << true << 1 << 1;
    QTest::newRow("close lets it go")
        << QStringList{QStringLiteral("stopAction")} << true << 0 << 1;
    QTest::newRow("the window going away lets it go") << QStringList{gone} << true << 0 << 1;
    QTest::newRow("pause before the answer lets go once it comes")
        << QStringList{pause} << false << 0 << 1;
    QTest::newRow("pause and play before the answer hold it off once")
        << QStringList{pause, pause} << false << 1 << 1;
    QTest::newRow("the window going away before the answer lets go once it comes")
        << QStringList{gone} << false << 0 << 1;
}

// While a show plays, and only then, the screen saver is inhibited under the program's name;
// pause, close and the end of the window release the inhibition, each once, also when they
// come before the bus has answered.
void TstShowKeepsScreenAwake::playingHoldsTheScreenSaverOff()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, answeredFirst);
    QFETCH(int, heldAfter);
    QFETCH(int, inhibitCalls);

    // Shown without waiting for the window, so that the steps come before the bus answers.
    f->window = new SlideShowWindow(f->settings, f->redGreenBlue(), 30);
    f->window->show();
    if (answeredFirst) {
        QVERIFY(busCaughtUp());
        QCOMPARE(m_screenSaver.held.size(), 1);
    }
    for (const QString &step : std::as_const(steps)) {
        if (step == QLatin1String("delete"))
            delete f->window.data();
        else
            f->action(step.toLatin1().constData())->trigger();
    }
    QVERIFY(busCaughtUp());
    QCOMPARE(m_screenSaver.held.size(), heldAfter);
    QCOMPARE(m_screenSaver.inhibitCalls, inhibitCalls);
    QCOMPARE(m_screenSaver.unknownCookies, 0);
    QCOMPARE(m_screenSaver.application, QCoreApplication::applicationName());
    QCOMPARE(m_screenSaver.reason, QStringLiteral("スライドショー再生中"));
}

QTEST_MAIN(TstShowKeepsScreenAwake)
#include "tst_showkeepsscreenawake.moc"
