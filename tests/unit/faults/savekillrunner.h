// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the save-kill helper and kills it with SIGKILL at a chosen point of its saving. The
// points are found from what the helper prints and from the files it holds open, never by
// waiting for luck.

#include "savekillcontent.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QThread>

#include <dirent.h>
#include <unistd.h>

namespace SaveKill {

inline constexpr int Rounds = 40;
inline constexpr int WaitMs = 20000;

// Where the helper is killed: after its start line and `saves` completed saves, once it has
// opened `opens` new files for its saves (counted from its start), and after a further pause.
struct KillPoint {
    int saves = 0;
    int opens = 0;
    int delayMicroseconds = 0;
};

// Reads the helper's lines until it has started and completed `saves` saves.
inline bool waitForSaves(QProcess &helper, int saves)
{
    bool started = false;
    int saved = 0;
    while (!started || saved < saves) {
        if (!helper.canReadLine() && !helper.waitForReadyRead(WaitMs))
            return false;
        while (helper.canReadLine() && (!started || saved < saves)) {
            const QByteArray line = helper.readLine().trimmed();
            started = started || line == StartedLine;
            saved += line == SavedLine ? 1 : 0;
        }
    }
    return true;
}

enum class Writing { No, Yes, Gone };

// Whether the process holds a file open in the saved file's folder other than the saved file
// itself: the new file of a save, named or not yet.
inline Writing writesNewFile(qint64 pid, const QString &file)
{
    const QByteArray fds = "/proc/" + QByteArray::number(pid) + "/fd";
    DIR *dir = ::opendir(fds.constData());
    if (!dir)
        return Writing::Gone;
    const QByteArray folder = QFile::encodeName(QFileInfo(file).path()) + '/';
    const QByteArray self = QFile::encodeName(file);
    Writing writing = Writing::No;
    while (const dirent *entry = ::readdir(dir)) {
        char target[4096];
        const QByteArray link = fds + '/' + entry->d_name;
        const ssize_t length = ::readlink(link.constData(), target, sizeof target);
        const QByteArray opened(target, length > 0 ? length : 0);
        if (opened.startsWith(folder) && opened != self)
            writing = Writing::Yes;
    }
    ::closedir(dir);
    return writing;
}

// Watches the helper until it has opened `opens` new files; false when it ended first.
inline bool waitForOpens(qint64 pid, const QString &file, int opens)
{
    const QDeadlineTimer deadline(WaitMs);
    bool wasOpen = false;
    int seen = 0;
    while (seen < opens && !deadline.hasExpired()) {
        const Writing writing = writesNewFile(pid, file);
        if (writing == Writing::Gone)
            return false;
        const bool open = writing == Writing::Yes;
        seen += open && !wasOpen ? 1 : 0;
        wasOpen = open;
    }
    return seen == opens;
}

// Starts the helper and kills it with SIGKILL at the point. False when the helper could not
// be brought there (a save can be too quick for the watcher to see its new file); it is
// killed all the same, and what it left must still be whole.
inline bool runAndKill(const QStringList &arguments, const KillPoint &point)
{
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral(VELLORA_SAVEKILL_HELPER), arguments);
    const bool reached = helper.waitForStarted() && waitForSaves(helper, point.saves) &&
                         waitForOpens(helper.processId(), arguments.at(1), point.opens);
    if (reached && point.delayMicroseconds > 0)
        QThread::usleep(point.delayMicroseconds);
    helper.kill();
    return helper.waitForFinished(WaitMs) && reached;
}

// Kill points every save-kill test uses; a save writes one or more new files.
inline void addKillPoints()
{
    QTest::addColumn<int>("saves");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("delay");
    QTest::newRow("as the first save begins") << 0 << 0 << 0;
    QTest::newRow("while the first new file is written") << 0 << 1 << 0;
    QTest::newRow("2 ms after the first new file was opened") << 0 << 1 << 2000;
    QTest::newRow("while the second new file is written") << 0 << 2 << 0;
    QTest::newRow("while the third new file is written") << 0 << 3 << 0;
    QTest::newRow("5 ms into the third save") << 2 << 0 << 5000;
}

} // namespace SaveKill
