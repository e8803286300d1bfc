// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fileworkprogress.h"

void FileWorkProgress::begin(int fileCount, qint64 byteCount)
{
    const std::lock_guard lock(m_mutex);
    m_state = State{{}, 0, fileCount, 0, byteCount};
    m_bytesBeforeFile = 0;
}

void FileWorkProgress::startFile(const QString &fileName)
{
    const std::lock_guard lock(m_mutex);
    m_state.fileName = fileName;
    m_bytesBeforeFile = m_state.bytesDone;
}

void FileWorkProgress::addBytes(qint64 bytes)
{
    const std::lock_guard lock(m_mutex);
    m_state.bytesDone += bytes;
}

void FileWorkProgress::finishFile(qint64 fileBytes)
{
    const std::lock_guard lock(m_mutex);
    m_state.bytesDone = m_bytesBeforeFile + fileBytes;
    ++m_state.filesDone;
}

FileWorkProgress::State FileWorkProgress::state() const
{
    const std::lock_guard lock(m_mutex);
    return m_state;
}
