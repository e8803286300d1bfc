// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// What one frame of a transition means for the pictures.
struct TransitionStep {
    bool switchPicture = false; // the old picture is gone: load the new one now
    bool finished = false;      // the new picture is complete: the transition ends
};

// A picture change drawn over several frames. The slide show steps it once per frame tick and
// has it draw each frame; a new kind of transition is a new class behind this interface.
class Transition {
public:
    virtual ~Transition() = default;

    // Before the first picture: the next run is one full frame of it, with nothing to dissolve.
    virtual void prepareFirstPicture() = 0;

    // Moves to the next frame. After the finishing frame the next call starts a new run.
    virtual TransitionStep nextFrame() = 0;

    // Draws the current frame of the picture onto the visible surface; work is a surface of the
    // same size the transition may keep its intermediate drawing in.
    virtual void drawFrame(const QImage &picture, QImage &work, QImage &visible) const = 0;
};
