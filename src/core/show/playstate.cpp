// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/playstate.h"

void PlayState::setOrder(const QStringList &order)
{
    m_order = order;
}

int PlayState::followingPosition() const
{
    return m_position < lastIndex() ? m_position + 1 : 0;
}

int PlayState::precedingPosition() const
{
    // An empty order stays at position 0 rather than going to -1.
    return m_position >= 1 ? m_position - 1 : qMax(lastIndex(), 0);
}

QString PlayState::pathAt(int position) const
{
    return position >= 0 && position < m_order.size() ? m_order.at(position) : QString();
}

QString PlayState::positionText() const
{
    return QStringLiteral("%1/%2").arg(m_position + 1).arg(lastIndex() + 1);
}
