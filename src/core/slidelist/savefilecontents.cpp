// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/slidelist/savefilecontents.h"

#include "core/common/logcategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <unistd.h>

namespace {

// Writes bytes over the whole content of an open file and makes sure they are on disk.
bool overwrite(QFile &file, const QByteArray &bytes)
{
    return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size()) &&
           ::fsync(file.handle()) == 0;
}

// A copy of the old content, on disk before the file is touched, so that it survives even
// when this process does not.
bool keepCopy(QTemporaryFile &copy, const QByteArray &old)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    copy.setFileTemplate(folder + QStringLiteral("/saved-list-XXXXXX"));
    return copy.open() && overwrite(copy, old);
}

// Writing over the old content keeps the blocks the file already has, so putting the old
// content back needs no room on the disk.
bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const QByteArray old = file.readAll();
    QTemporaryFile copy;
    if (!keepCopy(copy, old)) {
        qCDebug(logSlideList) << "no room for a copy of" << path << "in the cache, not saved";
        return false;
    }
    if (overwrite(file, bytes))
        return true;
    qCDebug(logSlideList) << "writing over" << path << "failed:" << file.errorString();
    if (!overwrite(file, old)) {
        copy.setAutoRemove(false);
        qCDebug(logSlideList) << "old content of" << path << "kept in" << copy.fileName();
    }
    return false;
}

} // namespace

bool saveFileContents(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so that a write the disk refuses fails here: Qt 6.4 commits a buffered file
    // whose last flush failed, replacing the old file with a cut-off one.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.write(bytes) == bytes.size() && file.commit();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isWritable()) {
        qCDebug(logSlideList) << "cannot save" << path << file.errorString();
        return false;
    }
    return writeInPlace(path, bytes);
}
