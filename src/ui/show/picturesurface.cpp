// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/show/picturesurface.h"

#include <QPaintEvent>
#include <QPainter>

PictureSurface::PictureSurface(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureSurface::setBackColor(const QColor &colour)
{
    m_back = colour;
    m_canvas.fill(colour);
    update();
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas, event->rect());
}

void PictureSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_canvas = QImage(size(), QImage::Format_RGB32);
    m_canvas.fill(m_back);
    Q_EMIT resized();
}
