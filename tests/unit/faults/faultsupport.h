// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fault tests run as root on the build machines, where file permissions stop nothing.
// These helpers let them do the file work as an ordinary user, and give them a small file
// system that fills up, without touching anything outside their temporary folders.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#include <csignal>
#include <cstdio>
#include <functional>
#include <optional>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Faults {

// The unprivileged account ("nobody") that root gives way to.
inline constexpr uid_t NobodyId = 65534;
// Exit value of a child that could not give up root.
inline constexpr int CouldNotDrop = 125;

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Gives up root for the rest of the process. True when permissions now apply to it: it was
// no superuser, or it has just stopped being one.
inline bool dropRoot()
{
    if (::geteuid() != 0)
        return true;
    const gid_t group = NobodyId;
    return ::setgroups(1, &group) == 0 && ::setgid(NobodyId) == 0 && ::setuid(NobodyId) == 0 &&
           ::geteuid() != 0;
}

// Longest a child may work before it counts as hung.
inline constexpr unsigned ChildSeconds = 20;

// Runs work in a forked child that is no superuser and returns its result (0 to 124), or the
// negated signal that ended it (-SIGALRM: the work hung); none when the child could not give
// up root. The child leaves without running the parent's destructors, so its temporary
// folders stay, and it dies with the parent.
inline std::optional<int> runUnprivileged(const std::function<int()> &work)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::alarm(ChildSeconds);
        ::_exit(dropRoot() ? work() : CouldNotDrop);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return std::nullopt;
    if (WIFSIGNALED(status))
        return -WTERMSIG(status);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == CouldNotDrop)
        return std::nullopt;
    return WEXITSTATUS(status);
}

// Gives a folder and everything in it to the unprivileged account, so that a process that
// gave up root can work there. Nothing to do for an ordinary user.
inline bool handOver(const QString &folder)
{
    if (::geteuid() != 0)
        return true;
    bool ok = ::lchown(QFile::encodeName(folder).constData(), NobodyId, NobodyId) == 0;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        ok = ::lchown(QFile::encodeName(it.next()).constData(), NobodyId, NobodyId) == 0 && ok;
    return ok;
}

inline bool setMode(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Mounts a file system of the given size on folder, seen only by this process: it has its
// own mount table, so nothing outlives it. Needs root; false when that is not possible.
inline bool mountSmallDisk(const QString &folder, int kilobytes, bool readOnly = false)
{
    static const bool ownMounts = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                                  ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + 'k';
    return ownMounts && ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs",
                                readOnly ? MS_RDONLY : 0, options.constData()) == 0;
}

inline void unmount(const QString &folder)
{
    ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
}

// Points HOME and the XDG folders into root, so that no test touches the user's own.
inline void useTemporaryHome(const QString &root)
{
    const QString home = root + QStringLiteral("/home");
    const QString runtime = root + QStringLiteral("/runtime");
    QDir().mkpath(home);
    QDir().mkpath(runtime);
    setMode(runtime, 0700);
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
}

} // namespace Faults
