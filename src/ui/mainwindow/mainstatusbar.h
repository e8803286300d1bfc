// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/statushints.h"

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QTimer;

// The main window's status bar: the first panel lies under the progress bar, the second
// shows the hints, the last two the current date and time.
class MainStatusBar : public QStatusBar, public StatusHints {
    Q_OBJECT
public:
    MainStatusBar(QProgressBar &progressBar, QWidget *parent = nullptr);

    void setHint(const QString &text) override;
    QString hint() const override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

private:
    QLabel *addPanel(const char *name, int stretch, bool permanent);
    void showClock();

    QProgressBar &m_progressBar;
    QLabel *m_hintPanel;
    QLabel *m_datePanel;
    QLabel *m_timePanel;
    QTimer *m_clock;
};
