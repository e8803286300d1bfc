// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/updowncontrol.h"

#include <QToolButton>
#include <algorithm>

UpDownControl::UpDownControl(int minimum, int maximum, QWidget *parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_value(minimum)
    , m_up(makeArrow(Qt::UpArrow, 1))
    , m_down(makeArrow(Qt::DownArrow, -1))
{
    setFocusPolicy(Qt::NoFocus);
}

QToolButton *UpDownControl::makeArrow(Qt::ArrowType arrow, int step)
{
    auto *button = new QToolButton(this);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    connect(button, &QToolButton::clicked, this, [this, step] { setValue(m_value + step); });
    return button;
}

void UpDownControl::setValue(int value)
{
    const int clamped = std::clamp(value, m_minimum, m_maximum);
    if (clamped == m_value)
        return;
    m_value = clamped;
    Q_EMIT valueChanged(m_value);
}

void UpDownControl::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}
