// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shellroutines.h"

#include "core/common/interaction.h"
#include "platform/durablecopy.h"
#include "platform/filefailure.h"
#include "platform/fileworkprogress.h"
#include "platform/platformtexts.h"
#include "platform/renamewithoutreplacing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVector>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <sys/stat.h>

namespace {

// What became of one file. A failure the user is told about comes with its reason; a
// declined overwrite is none.
struct Step {
    ShellResult result = ShellResult::Done;
    std::optional<FileFailure> failure;
};

Step failedWith(int errorNumber, const QString &source)
{
    return {ShellResult::Failed, FileFailure::fromErrno(errorNumber, source)};
}

Step failedBecause(FileFailure::Reason reason)
{
    return {ShellResult::Failed, FileFailure{reason, 0}};
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A file to transfer as it was found before the work began: a file that goes later is
// noticed when it is moved or copied.
struct SourceFile {
    QString path;
    int error = 0; // errno of a source that cannot be examined
    bool isFolder = false;
    qint64 size = 0;
};

QVector<SourceFile> examine(const QStringList &paths)
{
    QVector<SourceFile> sources;
    sources.reserve(paths.size());
    struct stat status {};
    for (const QString &path : paths) {
        SourceFile source{path, ENOENT};
        if (QDir::isAbsolutePath(path) && ::stat(QFile::encodeName(path).constData(), &status) == 0)
            source = {path, 0, S_ISDIR(status.st_mode), status.st_size};
        else if (QDir::isAbsolutePath(path))
            source.error = errno;
        sources.append(source);
    }
    return sources;
}

qint64 totalSize(const QVector<SourceFile> &sources)
{
    qint64 total = 0;
    for (const SourceFile &source : sources)
        total += source.isFolder ? 0 : source.size;
    return total;
}

class Transfer {
public:
    Transfer(Interaction &interaction, const QString &destination, TransferMode mode,
             FileWorkProgress *progress)
        : m_interaction(interaction)
        , m_destination(destination)
        , m_mode(mode)
        , m_progress(progress)
    {
    }

    // Done, Failed (the file was skipped) or Cancelled (the rest stays undone).
    ShellResult transferOne(const SourceFile &source);
    // Puts the copies still waiting in place; false when the user left the rest at a failure.
    bool finish() { return commitCopies(); }
    // Whether a file failed and was reported: the work is a failure even when the user then
    // left the rest.
    bool anyReported() const { return m_anyReported; }

private:
    Step move(const QString &source, const QString &target);
    Step copy(const QString &source, const QString &target, bool removeSource);
    Step mayReplace(const QString &source, const QString &target);
    bool commitCopies();
    FileOperation operation() const
    {
        return m_mode == TransferMode::Move ? FileOperation::Move : FileOperation::Copy;
    }

    Interaction &m_interaction;
    QString m_destination;
    TransferMode m_mode;
    FileWorkProgress *m_progress;
    CopyBatch m_copies;
    bool m_replaceAll = false;
    bool m_anyReported = false;
};

ShellResult Transfer::transferOne(const SourceFile &source)
{
    const QString &path = source.path;
    const QString name = QFileInfo(path).fileName();
    const QString target = m_destination + QLatin1Char('/') + name;
    if (m_progress)
        m_progress->startFile(name);
    // A name that a waiting copy will take must be taken first, so that it is seen as taken.
    if (m_copies.isWaitingFor(target) && !commitCopies())
        return ShellResult::Cancelled;
    const Step step = source.error != 0              ? failedWith(source.error, path)
                      : source.isFolder              ? failedWith(EISDIR, path)
                      : m_mode == TransferMode::Move ? move(path, target)
                                                     : copy(path, target, false);
    if (m_progress)
        m_progress->finishFile(source.isFolder ? 0 : source.size);
    if (step.result == ShellResult::Done && m_copies.isFull() && !commitCopies())
        return ShellResult::Cancelled;
    if (step.result != ShellResult::Failed || !step.failure)
        return step.result;
    m_anyReported = true;
    return skipAfterFailure(m_interaction, operation(), path, *step.failure)
               ? ShellResult::Failed
               : ShellResult::Cancelled;
}

bool Transfer::commitCopies()
{
    return m_copies.commit([this](const QString &source, int errorNumber) {
        m_anyReported = true;
        return skipAfterFailure(m_interaction, operation(), source,
                                FileFailure::fromErrno(errorNumber, source));
    });
}

// Within one file system by rename; across file systems the source goes only after the
// copy is safely in place.
Step Transfer::move(const QString &source, const QString &target)
{
    if (renameWithoutReplacing(source, target))
        return {};
    if (errno == EXDEV)
        return copy(source, target, true);
    if (errno != EEXIST)
        return failedWith(errno, source);
    const Step allowed = mayReplace(source, target);
    if (allowed.result != ShellResult::Done)
        return allowed;
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return {};
    return failedWith(errno, source);
}

Step Transfer::copy(const QString &source, const QString &target, bool removeSource)
{
    const bool replace = pathEntryExists(target);
    if (replace) {
        const Step allowed = mayReplace(source, target);
        if (allowed.result != ShellResult::Done)
            return allowed;
    }
    switch (m_copies.add(source, target, replace, removeSource, m_progress)) {
    case CopyOutcome::Cancelled:
        return {ShellResult::Cancelled, std::nullopt};
    case CopyOutcome::Failed:
        return failedWith(errno, source);
    case CopyOutcome::Copied:
        break;
    }
    return {};
}

// Whether the existing target may be replaced: Done to go ahead, Failed to skip this file,
// Cancelled to stop. The file itself (the destination is its own folder) and a folder are
// never replaced.
Step Transfer::mayReplace(const QString &source, const QString &target)
{
    if (sameFile(source, target))
        return failedBecause(FileFailure::Reason::SameFolder);
    const QFileInfo targetInfo(target);
    if (targetInfo.isDir())
        return failedBecause(FileFailure::Reason::FolderInTheWay);
    if (m_replaceAll)
        return {};
    const QString text = PlatformTexts::overwriteQuestion(targetInfo.fileName());
    switch (m_interaction.confirmOverwrite(text, PlatformTexts::overwriteTitle())) {
    case Interaction::Answer::YesToAll:
        m_replaceAll = true;
        return {};
    case Interaction::Answer::Yes:
        return {};
    case Interaction::Answer::No:
        return {ShellResult::Failed, std::nullopt};
    default:
        return {ShellResult::Cancelled, std::nullopt};
    }
}

} // namespace

ShellResult moveOrCopyFiles(Interaction &interaction, const QStringList &paths,
                            const QString &destination, TransferMode mode,
                            FileWorkProgress *progress)
{
    if (paths.isEmpty())
        return ShellResult::Done;
    const QFileInfo folder(destination);
    if (!folder.isAbsolute() || !folder.isDir())
        return ShellResult::Failed;
    const QVector<SourceFile> sources = examine(paths);
    if (progress)
        progress->begin(int(sources.size()), totalSize(sources));
    const QString cleanDestination = QDir::cleanPath(destination);
    Transfer transfer(interaction, cleanDestination, mode, progress);
    bool anyFailed = false;
    bool anyDone = false;
    bool cancelled = false;
    for (const SourceFile &source : sources) {
        const ShellResult outcome = progress && progress->cancelled()
                                        ? ShellResult::Cancelled
                                        : transfer.transferOne(source);
        cancelled = outcome == ShellResult::Cancelled;
        if (cancelled)
            break;
        anyFailed = anyFailed || outcome == ShellResult::Failed;
        anyDone = anyDone || outcome == ShellResult::Done;
    }
    cancelled = !transfer.finish() || cancelled;
    if (cancelled)
        return anyDone || transfer.anyReported() ? ShellResult::Failed : ShellResult::Cancelled;
    return anyFailed || transfer.anyReported() ? ShellResult::Failed : ShellResult::Done;
}
