// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <vector>

class FileWorkProgress;

enum class CopyOutcome { Copied, Failed, Cancelled };

// Copies files durably without making the disk wait for each one. Each copy is written to a
// hidden temporary file beside its target; the batch is put on disk at once (one flush of the
// file system, as cp followed by sync would do, rather than an fsync per file), and only then
// do the copies take their names. So a target is never replaced by a copy that is not wholly
// on disk, and a copy that fails or is cancelled leaves nothing behind. Copies still waiting
// when the batch goes are dropped.
class CopyBatch {
public:
    // source and errno of a copy that could not be placed; false to leave the rest undone.
    using FailureHandler = std::function<bool(const QString &source, int errorNumber)>;

    CopyBatch() = default;
    ~CopyBatch();
    CopyBatch(const CopyBatch &) = delete;
    CopyBatch &operator=(const CopyBatch &) = delete;

    // Copies source to a temporary file for target. Without replace an existing target is
    // never replaced; with removeSource the source goes once its copy is in place. Failed sets
    // errno; Cancelled when progress says so between pieces of the file, whose bytes are added
    // to progress as they go.
    CopyOutcome add(const QString &source, const QString &target, bool replace, bool removeSource,
                    FileWorkProgress *progress);
    bool isWaitingFor(const QString &target) const { return m_targets.contains(target); }
    // Enough is waiting to be put in place.
    bool isFull() const;
    // Puts every waiting copy on disk and in place. Each that fails is handed to failed until
    // it answers false; the others are placed all the same. False when failed said so.
    bool commit(const FailureHandler &failed);

private:
    static constexpr qint64 MaximumBytes = qint64(256) << 20;
    static constexpr size_t MaximumFiles = 512;

    struct Waiting {
        QByteArray temporaryPath;
        QString source;
        QString target;
        bool replace;
        bool removeSource;
    };
    static bool place(const Waiting &waiting);

    std::vector<Waiting> m_waiting;
    QSet<QString> m_targets;
    qint64 m_bytes = 0;
};
