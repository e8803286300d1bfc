// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/show/fadetransition.h"

#include "core/show/picturefit.h"

#include <QPainter>

void FadeTransition::prepareFirstPicture()
{
    m_phase = 1;
    m_percent = 100;
}

FadeStep FadeTransition::step()
{
    FadeStep frame;
    if (m_phase == 0) {
        m_percent = roundHalfEven(m_percent * 0.9 - 1);
        if (m_percent < 0) {
            m_percent = 0;
            m_phase = 1;
            frame.switchPicture = true;
        }
    } else {
        m_percent = roundHalfEven(m_percent * 1.1 + 1);
        if (m_percent > 100) {
            m_percent = 100;
            m_phase = 0;
            frame.finished = true;
        }
    }
    frame.percent = m_percent;
    return frame;
}

QSize FadeFrameSize(int percent, const QSize &area)
{
    const double scale = percent / 100.0;
    return {roundHalfEven(scale * area.width()), roundHalfEven(scale * area.height())};
}

void DrawFadeFrame(const QImage &picture, QImage &work, QImage &visible, int percent)
{
    const QSize reduced = FadeFrameSize(percent, picture.size());
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
