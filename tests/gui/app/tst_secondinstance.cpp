// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instancelock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TstSecondInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void secondCopyEndsAtOnce();
    void secondStartHandsOverItsFiles();
    void crashedCopyDoesNotBlockTheNext();
    void silentRunningCopyEndsTheSecond();

private:
    void start(QProcess &process, const QStringList &arguments = {});
    bool holdsLock(const QProcess &process) const;

    QTemporaryDir m_dir;
    QString m_program;
    QProcess m_first;
    QProcess m_second;
    QProcess m_third;
};

void TstSecondInstance::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // A copy of the program in a folder of its own keeps its settings file there.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("run")));
    QVERIFY(QFile::setPermissions(m_dir.filePath(QStringLiteral("run")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_program = m_dir.filePath(QStringLiteral("bin/vellora"));
    QVERIFY(QFile::copy(QStringLiteral(VELLORA_EXECUTABLE), m_program));
    QFile picture(m_dir.filePath(QStringLiteral("picture.jpg")));
    QVERIFY(picture.open(QIODevice::WriteOnly));
}

void TstSecondInstance::cleanup()
{
    for (QProcess *process : {&m_first, &m_second, &m_third}) {
        process->kill();
        process->waitForFinished();
    }
}

void TstSecondInstance::start(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vellora.launch.debug=true"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir.path());
    process.start(m_program, arguments);
    QVERIFY(process.waitForStarted());
}

bool TstSecondInstance::holdsLock(const QProcess &process) const
{
    QFile lock(m_dir.filePath(QStringLiteral("run/vellora.lock")));
    if (!lock.open(QIODevice::ReadOnly))
        return false;
    return lock.readLine().trimmed().toLongLong() == process.processId();
}

// Starting the program while it runs ends the new copy with status 0 and leaves the running
// copy alone.
void TstSecondInstance::secondCopyEndsAtOnce()
{
    start(m_first);
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(m_first), 20000);
    start(m_second);
    QVERIFY(m_second.waitForFinished(20000));
    QCOMPARE(m_second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_second.exitCode(), 0);
    QCOMPARE(m_first.state(), QProcess::Running);
    QVERIFY(holdsLock(m_first));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("bin/vel20.ini"))));
}

// A start that names files hands them, made absolute, to the running copy, which opens them;
// a missing one is named by the start that was given it.
void TstSecondInstance::secondStartHandsOverItsFiles()
{
    start(m_first);
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(m_first), 20000);
    start(m_second,
          {QStringLiteral("--show"), QStringLiteral("picture.jpg"), QStringLiteral("gone.jpg")});
    QVERIFY(m_second.waitForFinished(20000));
    QCOMPARE(m_second.exitCode(), 0);
    QVERIFY(m_second.readAllStandardError().contains("'gone.jpg'"));
    const QByteArray opened = "opening " +
                              QFile::encodeName(m_dir.filePath(QStringLiteral("picture.jpg"))) +
                              " and playing";
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT((log += m_first.readAllStandardError()).contains(opened), 20000);
    QCOMPARE(m_first.state(), QProcess::Running);
}

// A copy that was killed leaves its lock file and its socket, yet the next copy starts
// normally and later starts reach it.
void TstSecondInstance::crashedCopyDoesNotBlockTheNext()
{
    start(m_first);
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(m_first), 20000);
    m_first.kill();
    QVERIFY(m_first.waitForFinished());
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("run/vellora.lock"))));
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("run/vellora.socket"))));
    start(m_second);
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(m_second), 20000);
    QCOMPARE(m_second.state(), QProcess::Running);
    start(m_third, {QStringLiteral("picture.jpg")});
    QVERIFY(m_third.waitForFinished(20000));
    QCOMPARE(m_third.exitCode(), 0);
}

// A running copy that does not answer is never joined by a second one: the second says so
// and ends with a failure, writing no settings.
void TstSecondInstance::silentRunningCopyEndsTheSecond()
{
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("run"))));
    InstanceLock heldHere;
    QVERIFY(heldHere.tryLock());
    start(m_second, {QStringLiteral("picture.jpg")});
    QVERIFY(m_second.waitForFinished(20000));
    QCOMPARE(m_second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_second.exitCode(), 1);
    QVERIFY(QString::fromUtf8(m_second.readAllStandardError()).contains(QStringLiteral("応答")));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("bin/vel20.ini"))));
}

QTEST_GUILESS_MAIN(TstSecondInstance)
#include "tst_secondinstance.moc"
