// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/statushints.h"

#include <QStatusBar>

class QLabel;
class QProgressBar;
class QTimer;

// The main window's status bar (StatusBar1): panel 1 lies under the progress bar, panel 2
// shows the hints, panels 3 and 4 the current date and time.
class MainStatusBar : public QStatusBar, public StatusHints {
    Q_OBJECT
public:
    MainStatusBar(QProgressBar &progressBar, QWidget *parent = nullptr);

    void setHint(const QString &text) override;
    QString hint() const override;
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;

    QLabel *panel(int number) const; // 1 to 4

private:
    QLabel *addPanel(int number, int stretch, bool permanent);
    void showClock();

    QProgressBar &m_progressBar;
    QLabel *m_panels[4] = {};
    QTimer *m_clock;
};
