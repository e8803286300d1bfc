// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"

#include "core/common/interaction.h"
#include "core/common/logcategories.h"
#include "platform/platformtexts.h"
#include "platform/renamewithoutreplacing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Renames from to to. Without replace an existing target is never replaced, even when it
// appears between the question and the rename. Sets errno on failure.
bool renameFile(const QString &from, const QString &to, bool replace)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (replace)
        return ::rename(source.constData(), target.constData()) == 0;
    return renameWithoutReplacing(from, to);
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// Reads until the end rather than trusting the reported size, and then requires both to agree:
// a source that changes while it is copied, or reports a wrong size, is not copied.
bool copyContents(QFile &in, QFileDevice &out)
{
    constexpr qint64 chunkSize = 1 << 20;
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 got = in.read(buffer.data(), chunkSize);
        if (got < 0 || (got > 0 && out.write(buffer.constData(), got) != got))
            return false;
        if (got == 0)
            break;
        copied += got;
    }
    return copied == in.size() && out.flush() && ::fsync(out.handle()) == 0 && out.size() == copied;
}

// Copies into a hidden temporary file beside the target and renames it into place only when
// the whole file is on disk, so a failed copy never leaves a partial or damaged target.
bool copyFile(const QString &source, const QString &target, bool replace)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QFileInfo targetInfo(target);
    QTemporaryFile out(targetInfo.path() + QStringLiteral("/.") + targetInfo.fileName() +
                       QStringLiteral(".XXXXXX"));
    if (!out.open() || !copyContents(in, out))
        return false;
    out.setPermissions(in.permissions());
    out.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    out.close();
    if (!renameFile(out.fileName(), target, replace))
        return false;
    out.setAutoRemove(false);
    return true;
}

class Transfer {
public:
    Transfer(Interaction &interaction, const QString &destination, bool move)
        : m_interaction(interaction)
        , m_destination(destination)
        , m_move(move)
    {
    }

    ShellResult transferOne(const QString &path);

private:
    ShellResult mayReplace(const QString &source, const QString &target);
    bool moveFile(const QString &source, const QString &target, bool replace);

    Interaction &m_interaction;
    QString m_destination;
    bool m_move;
    bool m_replaceAll = false;
};

// Whether the existing target may be replaced: Done to go ahead, Failed to skip this file.
ShellResult Transfer::mayReplace(const QString &source, const QString &target)
{
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir() || sameFile(source, target)) {
        qCDebug(logPlatform) << "not replaced, a folder or the file itself:" << target;
        return ShellResult::Failed;
    }
    if (m_replaceAll)
        return ShellResult::Done;
    const QString text = PlatformTexts::overwriteQuestion(targetInfo.fileName());
    switch (m_interaction.confirmOverwrite(text, PlatformTexts::overwriteTitle())) {
    case Interaction::Answer::YesToAll:
        m_replaceAll = true;
        return ShellResult::Done;
    case Interaction::Answer::Yes:
        return ShellResult::Done;
    case Interaction::Answer::No:
        return ShellResult::Failed;
    default:
        return ShellResult::Cancelled;
    }
}

// Within one file system by rename; across file systems the source goes only after the
// copy is safely in place.
bool Transfer::moveFile(const QString &source, const QString &target, bool replace)
{
    if (renameFile(source, target, replace))
        return true;
    if (errno != EXDEV)
        return false;
    return copyFile(source, target, replace) && QFile::remove(source);
}

ShellResult Transfer::transferOne(const QString &path)
{
    const QFileInfo source(path);
    if (!source.isAbsolute() || !source.exists() || source.isDir()) {
        qCDebug(logPlatform) << "not transferred, no such file:" << path;
        return ShellResult::Failed;
    }
    const QString target = m_destination + QLatin1Char('/') + source.fileName();
    const QFileInfo targetInfo(target);
    const bool replace = targetInfo.exists() || targetInfo.isSymLink();
    if (replace) {
        const ShellResult allowed = mayReplace(path, target);
        if (allowed != ShellResult::Done)
            return allowed;
    }
    errno = 0;
    if (m_move ? moveFile(path, target, replace) : copyFile(path, target, replace))
        return ShellResult::Done;
    qCDebug(logPlatform) << (m_move ? "not moved:" : "not copied:") << path << "to" << target
                         << (errno != 0 ? std::strerror(errno) : "");
    return ShellResult::Failed;
}

} // namespace

ShellResult moveOrCopyFiles(Interaction &interaction, const QStringList &paths,
                            const QString &destination, TransferMode mode,
                            const std::function<bool(int done, int total)> &progress)
{
    if (paths.isEmpty())
        return ShellResult::Done;
    const QFileInfo folder(destination);
    if (!folder.isAbsolute() || !folder.isDir())
        return ShellResult::Failed;
    Transfer transfer(interaction, QDir::cleanPath(destination), mode == TransferMode::Move);
    const int total = int(paths.size());
    bool anyFailed = false;
    bool anyDone = false;
    for (int done = 0; done < total; ++done) {
        const ShellResult outcome = progress && !progress(done, total)
                                        ? ShellResult::Cancelled
                                        : transfer.transferOne(paths.at(done));
        if (outcome == ShellResult::Cancelled)
            return anyDone ? ShellResult::Failed : ShellResult::Cancelled;
        anyFailed = anyFailed || outcome == ShellResult::Failed;
        anyDone = anyDone || outcome == ShellResult::Done;
    }
    if (progress)
        progress(total, total);
    return anyFailed ? ShellResult::Failed : ShellResult::Done;
}
