// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/launchopener.h"

#include "core/common/logcategories.h"
#include "core/slidelist/listfilecommands.h"
#include "platform/windowactivation.h"
#include "ui/mainwindow/maincommands.h"
#include "ui/show/slideshowwindow.h"
#include "ui/slidelist/slidelistdrop.h"

#include <QWidget>

#include <utility>

namespace {

// A minimised window comes back in the state it had (normal, maximised or full screen).
void bringToFront(QWidget &window, const LaunchRequest &request)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    if (window.windowHandle())
        activateForLaunch(window.windowHandle(), request.activationToken, request.startupId);
}

} // namespace

LaunchOpener::LaunchOpener(QWidget &window, const Parts &parts)
    : QObject(&window)
    , m_window(window)
    , m_parts(parts)
{
    connect(m_parts.drop, &SlideListDrop::walksEnded, this, &LaunchOpener::walksEnded);
}

void LaunchOpener::open(const LaunchRequest &request)
{
    qCDebug(logLaunch).noquote() << "opening" << request.paths.join(QStringLiteral(", "))
                                 << (request.show ? "and playing" : "");
    const QVector<LaunchStep> steps = launchSteps(request.paths);
    for (const LaunchStep &step : steps)
        m_tasks.push_back({step, {}});
    m_tasks.push_back({std::nullopt, request});
    runTasks();
}

// A list file that cannot be read asks through a message box, whose event loop may bring
// the next request: that one only joins the queue.
void LaunchOpener::runTasks()
{
    if (m_running || m_waitingForWalk)
        return;
    m_running = true;
    while (!m_tasks.empty() && !m_waitingForWalk) {
        const Task task = std::exchange(m_tasks.front(), {});
        m_tasks.pop_front();
        if (!task.step) {
            finish(task.request);
        } else if (task.step->kind == LaunchStep::Kind::OpenList) {
            m_parts.listFiles->openListFile(task.step->paths.constFirst());
        } else {
            m_waitingForWalk = true;
            m_parts.drop->addDesktopPaths(task.step->paths);
        }
    }
    m_running = false;
}

void LaunchOpener::walksEnded()
{
    if (!m_waitingForWalk)
        return;
    m_waitingForWalk = false;
    runTasks();
}

// An empty list starts no show: the main window shows instead.
void LaunchOpener::finish(const LaunchRequest &request)
{
    if (request.show)
        m_parts.commands->startSlideShow();
    SlideShowWindow *show = m_parts.commands->slideShow();
    QWidget *front = show && show->isVisible() ? show : &m_window;
    bringToFront(*front, request);
}
