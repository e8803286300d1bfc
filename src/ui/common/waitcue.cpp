// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/waitcue.h"

#include "core/common/statushints.h"
#include "platform/detachedwork.h"

#include <QWidget>

WaitCue::WaitCue(QWidget &view, StatusHints &hints, const QString &hint, const DetachedWork &work)
    : QObject(&view)
    , m_view(view)
    , m_hints(hints)
    , m_hint(hint)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(DefaultDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &WaitCue::show);
    connect(&work, &DetachedWork::busyChanged, this, &WaitCue::busyChanged);
}

void WaitCue::busyChanged(bool busy)
{
    if (busy) {
        m_delay.start();
    } else {
        m_delay.stop();
        hide();
    }
}

void WaitCue::show()
{
    m_shown = true;
    m_view.setCursor(Qt::WaitCursor);
    m_hintBefore = m_hints.hint();
    m_hints.setHint(m_hint);
}

// The hint goes back to what it was, unless something else has been written there since.
void WaitCue::hide()
{
    if (!m_shown)
        return;
    m_shown = false;
    m_view.unsetCursor();
    if (m_hints.hint() == m_hint)
        m_hints.setHint(m_hintBefore);
}
