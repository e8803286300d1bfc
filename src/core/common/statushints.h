// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The main window's hint panel and progress bar, as seen by the code that reports
// what it is doing. The main window's status bar implements it.
class StatusHints {
public:
    virtual ~StatusHints() = default;
    virtual void setHint(const QString &text) = 0;
    virtual QString hint() const = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;
};
