// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instancelock.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class TstInstanceLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void secondCopyIsRefused();
    void releasedLockIsFree();
    void lockOfDeadProcessIsTakenOver();

private:
    QTemporaryDir m_runtime;
};

void TstInstanceLock::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

// While one copy holds the lock, another copy is told that the program runs.
void TstInstanceLock::secondCopyIsRefused()
{
    InstanceLock first;
    QVERIFY(first.tryLock());
    QCOMPARE(first.fileName(), m_runtime.filePath(QStringLiteral("vellora.lock")));
    InstanceLock second;
    QVERIFY(!second.tryLock());
}

// A copy that ended normally leaves no lock behind.
void TstInstanceLock::releasedLockIsFree()
{
    {
        InstanceLock first;
        QVERIFY(first.tryLock());
    }
    QVERIFY(!QFile::exists(m_runtime.filePath(QStringLiteral("vellora.lock"))));
    InstanceLock second;
    QVERIFY(second.tryLock());
}

// A lock left by a copy that crashed does not keep the program from starting.
void TstInstanceLock::lockOfDeadProcessIsTakenOver()
{
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());
    {
        QFile stale(m_runtime.filePath(QStringLiteral("vellora.lock")));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(QByteArray::number(deadPid) + '\n' + "vellora\n" +
                    QSysInfo::machineHostName().toUtf8() + '\n');
    }
    InstanceLock lock;
    QVERIFY(lock.tryLock());
}

QTEST_GUILESS_MAIN(TstInstanceLock)
#include "tst_instancelock.moc"
