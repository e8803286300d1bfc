// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/launch/launchrequest.h"
#include "core/launch/launchsteps.h"

#include <QObject>

#include <deque>
#include <optional>

class ListFileCommands;
class MainCommands;
class SlideListDrop;
class QWidget;

// Opens what a start of the program names, in its order: a list file as the Open command
// opens it once the file is chosen, other files and folders as a drop from the desktop adds
// them. Then the list plays (--show), or the window in use comes to the front. Requests that
// arrive while one is still opening wait their turn.
class LaunchOpener : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ListFileCommands *listFiles;
        SlideListDrop *drop;
        MainCommands *commands;
    };

    LaunchOpener(QWidget &window, const Parts &parts);

    void open(const LaunchRequest &request);
    // Whether something asked for is still to be opened (a folder being walked).
    bool isOpening() const { return !m_tasks.empty() || m_waitingForWalk; }

private:
    // One step, or (without steps) the end of a request.
    struct Task {
        std::optional<LaunchStep> step;
        LaunchRequest request;
    };

    void runTasks();
    void finish(const LaunchRequest &request);
    void walksEnded();

    QWidget &m_window;
    Parts m_parts;
    std::deque<Task> m_tasks;
    bool m_running = false;
    bool m_waitingForWalk = false;
};
