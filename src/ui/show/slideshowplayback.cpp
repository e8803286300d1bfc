// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/slideshowwindow.h"

#include "core/settings/settings.h"
#include "ui/show/picturesurface.h"
#include "core/show/playorder.h"
#include "ui/show/showicons.h"
#include "ui/show/slideshowtexts.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QTimer>

// The first picture comes at full size without a dissolve: with the fade on, the transition
// starts in its forming phase at 100 percent and ends after one frame.
void SlideShowWindow::firstPaint()
{
    m_fade.prepareFirstPicture();
    ShowPicture(m_play.currentPath(), useFade());
    if (useFade())
        startTransition();
    m_firstPaintPending = false;
}

// Loads the picture into Picture1, fitted and centred on the background colour. Without the
// fade it goes on screen at once and the interval starts again; with the fade the transition
// takes it from Picture1, unless none runs (a resize), when it goes on screen as well. A
// picture that cannot be read leaves the area blank, quietly: the status bar names it and the
// show goes on at the next interval.
void SlideShowWindow::ShowPicture(const QString &path, bool fade)
{
    if (!fade)
        m_timer1->stop();
    m_picture1.fill(m_back);
    m_positionPanel->setText(m_play.positionText());
    m_pathPanel->setText(path);
    m_pathPanel->setToolTip(path);
    const FittedPicture picture = m_prefetcher.take(path, m_picture1.size());
    if (!picture.image.isNull() && !m_picture1.isNull()) {
        QPainter painter(&m_picture1);
        painter.drawImage(picture.rect, picture.image);
    }
    if (!fade || !m_transitionBusy) {
        m_picture3->canvas() = m_picture1;
        m_picture3->update();
    }
    if (!fade && !m_paused)
        m_timer1->start();
    m_prefetcher.prefetch(m_play.pathAt(m_play.followingPosition()), m_picture1.size());
}

void SlideShowWindow::refitPicture()
{
    m_picture1 = QImage(m_picture3->size(), QImage::Format_RGB32);
    m_picture1.fill(m_back);
    m_picture4 = m_picture1;
    if (!m_firstPaintPending && !isMinimized())
        ShowPicture(m_play.currentPath(), useFade());
}

void SlideShowWindow::intervalTick()
{
    m_play.advance();
    if (useFade())
        startTransition();
    else
        ShowPicture(m_play.currentPath(), false);
}

// One frame now and one per tick of Timer2; the interval waits until the last frame.
void SlideShowWindow::startTransition()
{
    if (m_transitionBusy)
        return;
    m_transitionBusy = true;
    m_timer1->stop();
    m_timer2->start();
    transitionTick();
}

void SlideShowWindow::transitionTick()
{
    if (!m_transitionBusy)
        return;
    const FadeStep step = m_fade.step();
    DrawFadeFrame(m_picture1, m_picture4, m_picture3->canvas(), step.percent);
    if (step.switchPicture)
        ShowPicture(m_play.currentPath(), true);
    m_picture3->update();
    if (step.finished) {
        m_timer2->stop();
        m_transitionBusy = false;
        if (!m_paused)
            m_timer1->start();
    }
}

void SlideShowWindow::stopClicked()
{
    close();
}

void SlideShowWindow::returnClicked()
{
    pause();
    m_play.stepBack();
    showStepped();
}

void SlideShowWindow::nextClicked()
{
    pause();
    m_play.advance();
    showStepped();
}

// Resuming waits one full interval for the next picture (or the end of a running transition).
void SlideShowWindow::startClicked()
{
    if (!m_paused) {
        pause();
        return;
    }
    m_paused = false;
    setRunningLook(true);
    if (!m_transitionBusy)
        m_timer1->start();
}

void SlideShowWindow::pause()
{
    m_paused = true;
    m_timer1->stop();
    setRunningLook(false);
}

// A step by hand shows its picture at once, without the transition.
void SlideShowWindow::showStepped()
{
    ShowPicture(m_play.currentPath(), false);
}

void SlideShowWindow::setRunningLook(bool running)
{
    m_start->setChecked(!running);
    m_start->setIcon(showIcon(running ? ShowIcon::Pause : ShowIcon::Start));
    m_start->setToolTip(running ? SlideShowTexts::pause() : SlideShowTexts::start());
}

// Either entry switches to the other order (the stored setting stays as it is); the show goes
// on from the same position in the new order.
void SlideShowWindow::switchOrder()
{
    m_randomPlay = !m_randomPlay;
    m_play.setOrder(BuildPlayOrder(m_paths, m_randomPlay ? 1 : 0));
    m_listOrderItem->setChecked(!m_randomPlay);
    m_randomItem->setChecked(m_randomPlay);
    m_prefetcher.prefetch(m_play.pathAt(m_play.followingPosition()), m_picture1.size());
}

// For this show only: the stored setting stays as it is.
void SlideShowWindow::toggleTopmost()
{
    setTopmost(!windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

bool SlideShowWindow::useFade() const
{
    return m_settings.fades();
}
