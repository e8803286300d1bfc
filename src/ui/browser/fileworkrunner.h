// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shellroutines.h"

#include <QObject>

#include <functional>

class FileWorkProgress;
class Interaction;
class QWidget;
class StatusHints;

// Runs one move, copy or delete on a thread of its own while the windows go on painting. The
// work asks its questions through the interaction seam on this thread while it waits. Once it
// has lasted a moment, a modal progress dialog shows the file in progress, n of m and the
// bytes, with a Cancel button; the status bar's progress bar follows it all along. run()
// returns when the work has ended, so the caller sees the files where they are; until then the
// user can start no other command and cannot close a window.
class FileWorkRunner : public QObject {
    Q_OBJECT
public:
    using Work = std::function<ShellResult(Interaction &interaction, FileWorkProgress &progress)>;

    static constexpr int DefaultDialogDelayMs = 500;
    // The dialog and the status bar read the progress this often, however fast the work goes.
    static constexpr int RefreshMs = 50;

    FileWorkRunner(Interaction &interaction, StatusHints &hints, QWidget &owner,
                   QObject *parent = nullptr);

    ShellResult run(const QString &title, const Work &work);
    void setDialogDelay(int milliseconds) { m_dialogDelay = milliseconds; }

private:
    Interaction &m_interaction;
    StatusHints &m_hints;
    QWidget &m_owner; // the dialog belongs to its window
    int m_dialogDelay = DefaultDialogDelayMs;
};
