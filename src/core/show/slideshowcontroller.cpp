// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/slideshowcontroller.h"

#include "core/show/mosaictransition.h"

#include <QTimer>

namespace {
constexpr int transitionFrameMs = 50;
}

SlideShowController::SlideShowController(const QStringList &paths, const SlideShowOptions &options,
                                         QObject *parent)
    : QObject(parent)
    , m_paths(paths)
    , m_random(options.random)
    , m_fade(options.fade)
    , m_transition(std::make_unique<MosaicTransition>())
    , m_slideTimer(new QTimer(this))
    , m_transitionTimer(new QTimer(this))
    , m_randomOrder(options.randomOrder)
{
    setObjectName(QStringLiteral("slideShowController"));
    m_slideTimer->setObjectName(QStringLiteral("slideTimer"));
    m_slideTimer->setInterval(qMax(1, options.intervalSeconds) * 1000);
    connect(m_slideTimer, &QTimer::timeout, this, &SlideShowController::intervalElapsed);
    m_transitionTimer->setObjectName(QStringLiteral("transitionTimer"));
    m_transitionTimer->setInterval(transitionFrameMs);
    connect(m_transitionTimer, &QTimer::timeout, this, &SlideShowController::stepTransition);
    m_play.setOrder(buildPlayOrder(m_paths, m_randomOrder ? 1 : 0, m_random));
}

SlideShowController::~SlideShowController() = default;

bool SlideShowController::adoptOrder(const QStringList &order)
{
    QStringList sortedOrder = order;
    QStringList sortedPaths = m_paths;
    sortedOrder.sort();
    sortedPaths.sort();
    if (m_started || sortedOrder != sortedPaths)
        return false;
    m_play.setOrder(order);
    return true;
}

// With the fade the first picture comes at full size without a dissolve: the transition starts
// in its forming phase at 100 percent and ends after one frame.
void SlideShowController::start()
{
    m_transition->prepareFirstPicture();
    showCurrent(m_fade);
    if (m_fade)
        startTransition();
    m_started = true;
}

void SlideShowController::refresh()
{
    if (m_started)
        showCurrent(m_fade);
}

// A step by hand pauses the show and puts its picture on screen at once, without the transition.
void SlideShowController::next()
{
    pause();
    m_play.advance();
    showCurrent(false);
}

void SlideShowController::back()
{
    pause();
    m_play.stepBack();
    showCurrent(false);
}

// Resuming waits one full interval for the next picture (or the end of a running transition).
void SlideShowController::togglePause()
{
    if (!m_paused) {
        pause();
        return;
    }
    m_paused = false;
    Q_EMIT playingChanged(true);
    if (!m_transitionRunning)
        m_slideTimer->start();
}

void SlideShowController::switchOrder()
{
    m_randomOrder = !m_randomOrder;
    m_play.setOrder(buildPlayOrder(m_paths, m_randomOrder ? 1 : 0, m_random));
    Q_EMIT orderChanged(m_randomOrder);
}

bool SlideShowController::stop()
{
    if (m_transitionRunning)
        return false;
    m_transitionTimer->stop();
    m_slideTimer->stop();
    return true;
}

// Left to the transition, the picture stays off screen while one runs and the interval is the
// transition's to restart; otherwise the interval starts again from the picture's arrival.
void SlideShowController::showCurrent(bool leaveToTransition)
{
    if (!leaveToTransition)
        m_slideTimer->stop();
    Q_EMIT showPicture(m_play.currentPath(), leaveToTransition && m_transitionRunning);
    if (!leaveToTransition && !m_paused)
        m_slideTimer->start();
}

void SlideShowController::intervalElapsed()
{
    m_play.advance();
    if (m_fade)
        startTransition();
    else
        showCurrent(false);
}

// One frame now and one per tick of the transition timer; the interval waits for the last one.
void SlideShowController::startTransition()
{
    if (m_transitionRunning)
        return;
    m_transitionRunning = true;
    m_slideTimer->stop();
    m_transitionTimer->start();
    stepTransition();
}

void SlideShowController::stepTransition()
{
    if (!m_transitionRunning)
        return;
    const TransitionStep step = m_transition->nextFrame();
    Q_EMIT transitionFrame();
    if (step.switchPicture)
        showCurrent(true);
    if (step.finished) {
        m_transitionTimer->stop();
        m_transitionRunning = false;
        if (!m_paused)
            m_slideTimer->start();
        Q_EMIT transitionFinished();
    }
}

void SlideShowController::pause()
{
    m_paused = true;
    m_slideTimer->stop();
    Q_EMIT playingChanged(false);
}
