// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another copy of the program runs for this user: a lock file in the user's
// runtime folder, held while the object lives. A lock left by a process that died is taken
// over.
class InstanceLock {
public:
    explicit InstanceLock(const QString &name = QStringLiteral("vellora.lock"));

    // True when this process now holds the lock, or when no lock can be made at all (a
    // program that cannot tell is better started than refused).
    bool tryLock();

    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
    QLockFile m_lock;
};
