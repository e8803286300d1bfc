// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/durablecopy.h"

#include "platform/fileworkprogress.h"
#include "platform/renamewithoutreplacing.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when it goes; a temporary file that was not kept goes too.
class OpenFile {
public:
    explicit OpenFile(int descriptor, QByteArray temporaryPath = {})
        : m_descriptor(descriptor)
        , m_temporaryPath(std::move(temporaryPath))
    {
    }
    // Keeps errno, which tells the caller why the copy failed.
    ~OpenFile()
    {
        const int failure = errno;
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        if (!m_temporaryPath.isEmpty())
            ::unlink(m_temporaryPath.constData());
        errno = failure;
    }
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;

    int descriptor() const { return m_descriptor; }
    // Closes now, so that a failed close is seen.
    bool close()
    {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return ::close(descriptor) == 0;
    }
    void keep() { m_temporaryPath.clear(); }

private:
    int m_descriptor;
    QByteArray m_temporaryPath;
};

constexpr size_t PieceSize = 8 << 20;

bool writeAll(int out, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(out, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// One piece: in the kernel where the file systems allow it, else through a buffer. The
// kernel's end of file is checked by a read, since some files report a wrong size.
ssize_t copyPiece(int in, int out, bool &inKernel, QByteArray &buffer)
{
    if (inKernel) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, PieceSize, 0);
        if (copied > 0 || (copied < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS &&
                           errno != EOPNOTSUPP))
            return copied;
        inKernel = false;
    }
    buffer.resize(1 << 20);
    const ssize_t got = ::read(in, buffer.data(), size_t(buffer.size()));
    if (got > 0 && !writeAll(out, buffer.constData(), got))
        return -1;
    return got;
}

// Reads until the end rather than trusting the reported size, and then requires both to agree:
// a source that changes while it is copied, or reports a wrong size, is not copied.
CopyOutcome copyContents(int in, int out, qint64 expected, FileWorkProgress *progress)
{
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    bool inKernel = true;
    QByteArray buffer;
    qint64 copied = 0;
    for (;;) {
        if (progress && progress->cancelled())
            return CopyOutcome::Cancelled;
        const ssize_t piece = copyPiece(in, out, inKernel, buffer);
        if (piece < 0 && errno == EINTR)
            continue;
        if (piece < 0)
            return CopyOutcome::Failed;
        if (piece == 0)
            break;
        copied += piece;
        if (progress)
            progress->addBytes(piece);
    }
    if (copied == expected)
        return CopyOutcome::Copied;
    errno = EIO;
    return CopyOutcome::Failed;
}

// A hidden name beside the target; a very long name gets a short one, so that the temporary
// file never fails for a name the target itself can have.
QByteArray temporaryPattern(const QString &target)
{
    const QFileInfo info(target);
    QByteArray name = QFile::encodeName(info.fileName());
    if (name.size() > 200)
        name = "vellora-copy";
    return QFile::encodeName(info.path()) + "/." + name + ".XXXXXX";
}

// Copies source into a new hidden file beside target, whose name it returns in temporaryPath
// and its size in size; nothing is left behind unless it is Copied.
CopyOutcome copyToTemporary(const QString &source, const QString &target,
                            FileWorkProgress *progress, QByteArray &temporaryPath, qint64 &size)
{
    OpenFile in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (in.descriptor() < 0 || ::fstat(in.descriptor(), &status) != 0)
        return CopyOutcome::Failed;
    size = status.st_size;
    temporaryPath = temporaryPattern(target);
    const int descriptor = ::mkostemp(temporaryPath.data(), O_CLOEXEC);
    if (descriptor < 0)
        return CopyOutcome::Failed;
    OpenFile out(descriptor, temporaryPath);
    const CopyOutcome copied = copyContents(in.descriptor(), descriptor, status.st_size, progress);
    if (copied != CopyOutcome::Copied)
        return copied;
    ::fchmod(descriptor, status.st_mode & 07777);
    const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    ::futimens(descriptor, times);
    // The disk starts writing now, while the next file is read; the flush waits for less.
    ::sync_file_range(descriptor, 0, 0, SYNC_FILE_RANGE_WRITE);
    if (!out.close())
        return CopyOutcome::Failed;
    out.keep();
    return CopyOutcome::Copied;
}

// Every file of the folder's file system on disk (or only the folder's own entries); errno
// when not.
bool flush(const QString &folder, bool wholeFileSystem)
{
    OpenFile directory(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.descriptor() < 0)
        return false;
    return (wholeFileSystem ? ::syncfs(directory.descriptor()) : ::fsync(directory.descriptor())) ==
           0;
}

} // namespace

CopyBatch::~CopyBatch()
{
    for (const Waiting &waiting : m_waiting)
        ::unlink(waiting.temporaryPath.constData());
}

CopyOutcome CopyBatch::add(const QString &source, const QString &target, bool replace,
                           bool removeSource, FileWorkProgress *progress)
{
    QByteArray temporaryPath;
    qint64 size = 0;
    const CopyOutcome copied = copyToTemporary(source, target, progress, temporaryPath, size);
    if (copied != CopyOutcome::Copied)
        return copied;
    m_waiting.push_back({temporaryPath, source, target, replace, removeSource});
    m_targets.insert(target);
    m_bytes += size;
    return CopyOutcome::Copied;
}

bool CopyBatch::isFull() const
{
    return m_bytes >= MaximumBytes || m_waiting.size() >= MaximumFiles;
}

bool CopyBatch::place(const Waiting &waiting)
{
    const QByteArray target = QFile::encodeName(waiting.target);
    const bool renamed =
        waiting.replace
            ? ::rename(waiting.temporaryPath.constData(), target.constData()) == 0
            : renameWithoutReplacing(QFile::decodeName(waiting.temporaryPath), waiting.target);
    if (!renamed)
        return false;
    return !waiting.removeSource || ::unlink(QFile::encodeName(waiting.source).constData()) == 0;
}

bool CopyBatch::commit(const FailureHandler &failed)
{
    if (m_waiting.empty())
        return true;
    errno = 0;
    const QString folder = QFileInfo(m_waiting.front().target).path();
    const int flushError = flush(folder, true) ? 0 : errno;
    bool goOn = true;
    for (const Waiting &waiting : m_waiting) {
        const int error = flushError != 0 ? flushError : place(waiting) ? 0 : errno;
        if (error == 0)
            continue;
        ::unlink(waiting.temporaryPath.constData());
        goOn = goOn && failed(waiting.source, error);
    }
    flush(folder, false);
    m_waiting.clear();
    m_targets.clear();
    m_bytes = 0;
    return goOn;
}
