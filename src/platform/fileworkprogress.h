// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>
#include <mutex>

// How far a move, copy or delete has come, shared by the thread that does the work and the
// window that shows it, which reads it when it likes (so a fast worker is never slowed by the
// window). The window can also stop the work; the worker looks between files and between
// pieces of a file.
class FileWorkProgress {
public:
    struct State {
        QString fileName; // the file in progress
        int filesDone = 0;
        int fileCount = 0;
        qint64 bytesDone = 0;
        qint64 byteCount = 0;
    };

    virtual ~FileWorkProgress() = default;

    void begin(int fileCount, qint64 byteCount);
    void startFile(const QString &fileName);
    void addBytes(qint64 bytes);
    // The file has been dealt with, done or skipped: its bytes count as done.
    void finishFile(qint64 fileBytes);
    State state() const;

    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    virtual bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }

private:
    mutable std::mutex m_mutex;
    State m_state;
    qint64 m_bytesBeforeFile = 0;
    std::atomic<bool> m_cancelled{false};
};
