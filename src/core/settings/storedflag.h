// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// An on/off option as the settings file stores it: 1 for on, 0 for off. A hand-edited file may
// hold any other number; it is kept, so that the file is written back as it was read until the
// option is set. Which numbers count as on is decided by the named rules of Settings.
class StoredFlag {
public:
    constexpr StoredFlag(qint16 stored = 0)
        : m_stored(stored)
    {
    }

    constexpr qint16 stored() const { return m_stored; }
    constexpr void set(bool on) { m_stored = on ? 1 : 0; }

    friend constexpr bool operator==(StoredFlag, StoredFlag) = default;

private:
    qint16 m_stored;
};
