// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowwindow.h"

#include "core/common/twips.h"
#include "core/settings/settings.h"

#include <QAction>
#include <QStatusBar>

// The frame and the status bar are taken as they are before the state changes; the maximised
// state stays in the window state and comes back with the rest.
void SlideShowWindow::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on) {
        m_frameBeforeFullScreen = frameGeometry();
        m_statusBarBeforeFullScreen = statusBar()->isVisibleTo(this);
    }
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// After every change of the window state, also one the window manager made: full screen shows
// the picture alone (the pin counts the window as maximised, so that it never steps aside).
void SlideShowWindow::fullScreenChanged()
{
    const bool full = isFullScreen();
    m_actions.fullScreen->setChecked(full);
    m_commandBar->setVisible(!full);
    statusBar()->setVisible(!full && m_statusBarBeforeFullScreen);
    if (!full)
        m_frameBeforeFullScreen = QRect();
}

void SlideShowWindow::stopOrLeaveFullScreen()
{
    if (isFullScreen())
        setFullScreen(false);
    else
        close();
}

// The normal window's frame: a maximised window keeps the stored one, and a full-screen one
// stores the frame it had before (none when the window manager made it full screen itself).
void SlideShowWindow::storeFrame()
{
    const QRect frame = isFullScreen() ? m_frameBeforeFullScreen : frameGeometry();
    if (isMaximized() || frame.isNull())
        return;
    m_settings.showTop = float(pixelsToTwips(frame.y()));
    m_settings.showLeft = float(pixelsToTwips(frame.x()));
    m_settings.showHeight = float(pixelsToTwips(frame.height()));
    m_settings.showWidth = float(pixelsToTwips(frame.width()));
}
