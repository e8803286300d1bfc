// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/common/interaction.h"
#include "core/common/statushints.h"

#include <QCoreApplication>

#include <optional>

// Stand-ins for the dialogs and the status bar while a benchmark runs: nobody answers, every
// question is declined, and nothing is shown.
class SilentInteraction : public Interaction {
public:
    Answer messageBox(const QString &, MessageStyle, const QString &) override
    {
        return Answer::Ok;
    }
    Answer confirmOverwrite(const QString &, const QString &) override { return Answer::Cancel; }
    Answer skipOrCancel(const QString &, const QString &) override { return Answer::Skip; }
    QString openFileName(const QString &, const QString &, const QStringList &) override
    {
        return {};
    }
    QString saveFileName(const QString &, const QString &, const QStringList &) override
    {
        return {};
    }
    QString folderName(const QString &, const QString &) override { return {}; }
    std::optional<QColor> colour(const QColor &) override { return std::nullopt; }
    void beep() override {}
};

class NoHints : public StatusHints {
public:
    void setHint(const QString &) override {}
    QString hint() const override { return {}; }
    void setProgressMaximum(int) override {}
    void setProgressValue(int) override {}
};

// Runs the event loop until done() holds: views read folders on threads of their own and take
// the results through the event loop.
template<typename Done> void runEventsUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
