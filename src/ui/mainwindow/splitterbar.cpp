// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/splitterbar.h"

#include <QMouseEvent>

SplitterBar::SplitterBar(Qt::Orientation orientation, const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    setObjectName(name);
    setCursor(orientation == Qt::Vertical ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    setAutoFillBackground(true);
}

void SplitterBar::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

QColor SplitterBar::colour() const
{
    return palette().color(QPalette::Window);
}

void SplitterBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed();
}

void SplitterBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF at = event->position();
    Q_EMIT dragged(qRound(m_orientation == Qt::Vertical ? at.x() : at.y()));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT released(event->button());
}
