// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace Fuzz {

// A file in a private folder for readers that take a path; kept in memory-backed /dev/shm
// when there is one, because every input writes it again.
class ScratchFile {
public:
    explicit ScratchFile(const QString &name)
        : m_dir(QDir(QStringLiteral("/dev/shm")).exists()
                    ? QStringLiteral("/dev/shm/vellora-fuzz-XXXXXX")
                    : QDir::tempPath() + QStringLiteral("/vellora-fuzz-XXXXXX"))
        , m_path(m_dir.filePath(name))
    {
    }

    const QString &path() const { return m_path; }

    bool write(const QByteArray &bytes) const
    {
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }

    QByteArray read() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace Fuzz
