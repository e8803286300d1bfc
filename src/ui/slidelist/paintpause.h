// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Keeps a view from painting while many of its rows change; it paints once when the pause
// ends. Unlike hiding the view, this leaves the keyboard focus where it is, so no other
// control's focus handling runs in the middle of the work.
class PaintPause {
public:
    explicit PaintPause(QWidget &view)
        : m_view(view)
        , m_wasEnabled(view.updatesEnabled())
    {
        m_view.setUpdatesEnabled(false);
    }
    ~PaintPause() { m_view.setUpdatesEnabled(m_wasEnabled); }
    Q_DISABLE_COPY_MOVE(PaintPause)

private:
    QWidget &m_view;
    bool m_wasEnabled;
};
