// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/elidedlabel.h"

ElidedLabel::ElidedLabel(const QString &toolTip, QWidget *parent)
    : QLabel(parent)
    , m_toolTip(toolTip)
{
    setToolTip(m_toolTip);
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::setFullText(const QString &text)
{
    m_fullText = text;
    elide();
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidedLabel::elide()
{
    const QString shown =
        fontMetrics().elidedText(m_fullText, Qt::ElideMiddle, contentsRect().width());
    setText(shown);
    setToolTip(shown == m_fullText ? m_toolTip : m_fullText);
}
