// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/show/transition.h"

#include <QSize>

// The mosaic transition: the old picture breaks up into ever larger blocks (the scale shrinks by
// a tenth and one more percent per frame) and the new one forms the same way backwards.
// Rounding is to the nearest whole percent, halves to even.
class MosaicTransition : public Transition {
public:
    bool isForming() const { return m_forming; }
    int percent() const { return m_percent; }

    void prepareFirstPicture() override;
    TransitionStep nextFrame() override;
    void drawFrame(const QImage &picture, QImage &work, QImage &visible) const override;

private:
    bool m_forming = false; // false while the old picture dissolves
    int m_percent = 100;
};

// The size of the reduced copy at a percentage of the area.
QSize mosaicFrameSize(int percent, const QSize &area);

// Draws one frame: the picture reduced into the corner of the work surface, then that corner
// enlarged over the whole visible surface, both without smoothing so the pixels form blocks.
// At 0 percent the reduced copy is empty and the visible surface keeps its previous frame.
void drawMosaicFrame(const QImage &picture, QImage &work, QImage &visible, int percent);
