// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/focushandover.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

FocusHandover::FocusHandover(QWidget &window, QWidget &menuBar)
    : QObject(&window)
    , m_window(window)
    , m_menuBar(menuBar)
{
    // Leaving the menu bar for a control is the holder's loss.
    m_menuBar.installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { focusSettled(now); });
}

void FocusHandover::watch(QWidget &control)
{
    m_watched.append(&control);
    control.installEventFilter(this);
}

// A control of this window that can hold the focus for itself: not the menu bar, nothing in a
// menu or a dialog.
bool FocusHandover::isControl(const QWidget *widget) const
{
    return widget && widget != &m_menuBar && widget->window() == &m_window;
}

bool FocusHandover::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // The focus widget is already the one that takes the focus, if any.
        QWidget *now = QApplication::focusWidget();
        if (m_holder && now != m_holder && isControl(now))
            release();
    } else if (event->type() == QEvent::FocusIn && watched != &m_menuBar) {
        auto *control = static_cast<QWidget *>(watched);
        if (control != m_holder) {
            release();
            m_holder = control;
            Q_EMIT gained(control);
        }
    }
    return false;
}

// A focus that lands on a control without passing the holder's own focus-out (set while the
// window was inactive, or taken from the menu bar) still ends the holder's turn.
void FocusHandover::focusSettled(QWidget *now)
{
    if (m_holder && now != m_holder && isControl(now) && !m_watched.contains(now))
        release();
}

void FocusHandover::release()
{
    QWidget *was = m_holder;
    m_holder = nullptr;
    if (was)
        Q_EMIT lost(was);
}
