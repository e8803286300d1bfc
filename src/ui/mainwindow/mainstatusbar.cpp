// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/mainstatusbar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTimer>

MainStatusBar::MainStatusBar(QProgressBar &progressBar, QWidget *parent)
    : QStatusBar(parent)
    , m_progressBar(progressBar)
    , m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    addPanel(1, 0, false)->setFixedWidth(160);
    addPanel(2, 1, false);
    addPanel(3, 0, true);
    addPanel(4, 0, true);
    m_progressBar.setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar.setTextVisible(false);
    m_progressBar.setRange(0, 100);
    m_progressBar.setValue(0);
    m_clock->setSingleShot(true);
    connect(m_clock, &QTimer::timeout, this, &MainStatusBar::showClock);
    showClock();
}

QLabel *MainStatusBar::addPanel(int number, int stretch, bool permanent)
{
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("Panel%1").arg(number));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    if (permanent)
        addPermanentWidget(label, stretch);
    else
        addWidget(label, stretch);
    m_panels[number - 1] = label;
    return label;
}

QLabel *MainStatusBar::panel(int number) const
{
    return number >= 1 && number <= 4 ? m_panels[number - 1] : nullptr;
}

void MainStatusBar::setHint(const QString &text)
{
    m_panels[1]->setText(text);
}

QString MainStatusBar::hint() const
{
    return m_panels[1]->text();
}

void MainStatusBar::setProgressMaximum(int maximum)
{
    m_progressBar.setMaximum(maximum);
}

void MainStatusBar::setProgressValue(int value)
{
    m_progressBar.setValue(value);
}

// Shows the date and the time, then wakes again when the minute turns.
void MainStatusBar::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_panels[2]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_panels[3]->setText(locale.toString(now.time(), QLocale::ShortFormat));
    const int msIntoMinute = now.time().second() * 1000 + now.time().msec();
    m_clock->start(60'000 - msIntoMinute + 50);
}
