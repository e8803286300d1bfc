// SPDX-License-Identifier: GPL-3.0-or-later
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
    void crashedCopyDoesNotBlockTheNext();

private:
    void start(QProcess &process);
    bool holdsLock(const QProcess &process) const;

    QTemporaryDir m_dir;
    QString m_program;
    QProcess m_first;
    QProcess m_second;
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
}

void TstSecondInstance::cleanup()
{
    for (QProcess *process : {&m_first, &m_second}) {
        process->kill();
        process->waitForFinished();
    }
}

void TstSecondInstance::start(QProcess &process)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(m_program, {});
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

// A copy that was killed leaves its lock file, yet the next copy starts normally.
void TstSecondInstance::crashedCopyDoesNotBlockTheNext()
{
    start(m_first);
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(m_first), 20000);
    m_first.kill();
    QVERIFY(m_first.waitForFinished());
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("run/vellora.lock"))));
    start(m_second);
    QTRY_VERIFY_WITH_TIMEOUT(holdsLock(m_second), 20000);
    QCOMPARE(m_second.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TstSecondInstance)
#include "tst_secondinstance.moc"
