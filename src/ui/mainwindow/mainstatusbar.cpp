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
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(false);
    addPanel("progressPanel", 0, false)->setFixedWidth(160);
    m_hintPanel = addPanel("hintPanel", 1, false);
    m_datePanel = addPanel("datePanel", 0, true);
    m_timePanel = addPanel("timePanel", 0, true);
    m_progressBar.setObjectName(QStringLiteral("progressBar"));
    m_progressBar.setTextVisible(false);
    m_progressBar.setRange(0, 100);
    m_progressBar.setValue(0);
    m_clock->setSingleShot(true);
    connect(m_clock, &QTimer::timeout, this, &MainStatusBar::showClock);
    showClock();
}

QLabel *MainStatusBar::addPanel(const char *name, int stretch, bool permanent)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    if (permanent)
        addPermanentWidget(label, stretch);
    else
        addWidget(label, stretch);
    return label;
}

void MainStatusBar::setHint(const QString &text)
{
    m_hintPanel->setText(text);
}

QString MainStatusBar::hint() const
{
    return m_hintPanel->text();
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
    m_datePanel->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_timePanel->setText(locale.toString(now.time(), QLocale::ShortFormat));
    const int msIntoMinute = now.time().second() * 1000 + now.time().msec();
    m_clock->start(60'000 - msIntoMinute + 50);
}
