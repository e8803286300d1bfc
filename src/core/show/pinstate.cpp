// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/pinstate.h"

PinState::PinState(bool freeWindow)
    : m_free(freeWindow)
    , m_visible(!freeWindow)
{
}

void PinState::windowResized(bool maximised)
{
    if (maximised && !m_visible)
        m_pinWasHidden = true;
    if (!maximised && m_pinWasHidden) {
        m_pinWasHidden = false;
        m_visible = false;
    }
    if (maximised)
        m_visible = true;
}

void PinState::pinClicked()
{
    if (m_free)
        m_visible = false;
}

QPointF stepAsidePosition(const QRectF &window, const QSizeF &screen)
{
    return {screen.width() - (window.width() + window.left()),
            screen.height() - (window.height() + window.top())};
}
