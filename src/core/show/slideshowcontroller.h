// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/show/playorder.h"
#include "core/show/playstate.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QTimer;
class Transition;

// How a show plays, as plain values.
struct SlideShowOptions {
    int intervalSeconds = 1; // less than one second counts as one
    bool randomOrder = false;
    bool fade = false; // the mosaic transition between pictures
    RandomSource random = systemRandomSource();
};

// The slide show without a window: the play order and position, the interval ("slideTimer"),
// pause, next and back, and the frames of the transition ("transitionTimer", one frame per
// 50 ms). It says what to show and when to draw a transition frame; the window paints.
class SlideShowController : public QObject {
    Q_OBJECT
public:
    SlideShowController(const QStringList &paths, const SlideShowOptions &options,
                        QObject *parent = nullptr);
    ~SlideShowController() override;

    const PlayState &playState() const { return m_play; }
    QString followingPath() const { return m_play.pathAt(m_play.followingPosition()); }
    const Transition &transition() const { return *m_transition; }
    bool hasStarted() const { return m_started; }
    bool isPaused() const { return m_paused; }
    bool isTransitionRunning() const { return m_transitionRunning; }
    bool isRandomOrder() const { return m_randomOrder; }

    // Before the start: plays an order built ahead (the start-up list's, built while the windows
    // were made) when it holds exactly the show's paths; false, keeping the own order, if not.
    bool adoptOrder(const QStringList &order);
    // Shows the first picture: at once, or with the fade as one full transition frame.
    void start();
    // Shows the current picture again, as the area it is fitted into has changed.
    void refresh();
    void next();
    void back();
    void togglePause();
    // Switches between list and random order; the show goes on from the same position.
    void switchOrder();
    // Stops both timers; refused (false) while a transition runs.
    bool stop();

Q_SIGNALS:
    // The picture at the current position is due. With throughTransition the running transition
    // draws it onto the screen frame by frame; otherwise it goes on screen at once.
    void showPicture(const QString &path, bool throughTransition);
    // The transition has moved on: draw its current frame.
    void transitionFrame();
    void transitionFinished();
    void playingChanged(bool playing);
    void orderChanged(bool randomOrder);

private:
    void showCurrent(bool leaveToTransition);
    void intervalElapsed();
    void startTransition();
    void stepTransition();
    void pause();

    const QStringList m_paths;
    const RandomSource m_random;
    const bool m_fade;
    PlayState m_play;
    std::unique_ptr<Transition> m_transition;
    QTimer *m_slideTimer = nullptr;
    QTimer *m_transitionTimer = nullptr;
    bool m_started = false;
    bool m_paused = false;
    bool m_transitionRunning = false;
    bool m_randomOrder = false;
};
