// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instancelock.h"

#include "platform/runtimefolder.h"

InstanceLock::InstanceLock(const QString &name)
    : m_fileName(runtimeFilePath(name))
    , m_lock(m_fileName)
{
    // Only a dead owner makes a lock stale, never its age: the program runs for hours.
    m_lock.setStaleLockTime(0);
}

bool InstanceLock::tryLock()
{
    if (m_lock.tryLock(0))
        return true;
    return m_lock.error() != QLockFile::LockFailedError;
}
