// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

// One frame of the mosaic transition.
struct FadeStep {
    int percent = 100;          // scale of the reduced copy
    bool switchPicture = false; // the old picture is gone: load the new one now
    bool finished = false;      // the new picture is complete: the transition ends
};

// The frame sequence of the mosaic transition: the old picture breaks up into ever larger
// blocks (the scale shrinks by a tenth and one more percent per frame) and the new one forms
// the same way backwards. Rounding is to the nearest whole percent, halves to even.
class FadeTransition {
public:
    int FadePhase() const { return m_phase; }
    int FadePercent() const { return m_percent; }

    // Before the first picture: the next step shows it at full size at once.
    void prepareFirstPicture();

    FadeStep step();

private:
    int m_phase = 0; // 0 = old picture dissolving, 1 = new picture forming
    int m_percent = 100;
};

// The size of the reduced copy at a percentage of the area.
QSize FadeFrameSize(int percent, const QSize &area);

// Draws one frame: the picture reduced into the corner of the work surface, then that corner
// enlarged over the whole visible surface, both without smoothing so the pixels form blocks.
// At 0 percent the reduced copy is empty and the visible surface keeps its previous frame.
void DrawFadeFrame(const QImage &picture, QImage &work, QImage &visible, int percent);
