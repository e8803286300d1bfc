// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/mosaictransition.h"

#include "core/common/halfeven.h"

#include <QPainter>

void MosaicTransition::prepareFirstPicture()
{
    m_forming = true;
    m_percent = 100;
}

TransitionStep MosaicTransition::nextFrame()
{
    TransitionStep step;
    if (!m_forming) {
        m_percent = roundHalfEven(m_percent * 0.9 - 1);
        if (m_percent < 0) {
            m_percent = 0;
            m_forming = true;
            step.switchPicture = true;
        }
    } else {
        m_percent = roundHalfEven(m_percent * 1.1 + 1);
        if (m_percent > 100) {
            m_percent = 100;
            m_forming = false;
            step.finished = true;
        }
    }
    return step;
}

void MosaicTransition::drawFrame(const QImage &picture, QImage &work, QImage &visible) const
{
    drawMosaicFrame(picture, work, visible, m_percent);
}

QSize mosaicFrameSize(int percent, const QSize &area)
{
    const double scale = percent / 100.0;
    return {roundHalfEven(scale * area.width()), roundHalfEven(scale * area.height())};
}

void drawMosaicFrame(const QImage &picture, QImage &work, QImage &visible, int percent)
{
    const QSize reduced = mosaicFrameSize(percent, picture.size());
    if (reduced.isEmpty() || work.isNull() || visible.isNull())
        return;
    const QRect corner(QPoint(0, 0), reduced);
    {
        QPainter painter(&work);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(corner, picture, picture.rect());
    }
    QPainter painter(&visible);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(visible.rect(), work, corner);
}
