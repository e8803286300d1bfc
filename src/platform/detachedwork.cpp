// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/detachedwork.h"

#include <thread>

WorkTicket::WorkTicket(DetachedWork *receiver)
    : m_receiver(receiver)
{
}

namespace {

constexpr std::chrono::milliseconds ReportInterval(1000 / 60);

} // namespace

void WorkTicket::report(int maximum, int value)
{
    const auto now = std::chrono::steady_clock::now();
    const std::lock_guard lock(m_mutex);
    m_maximum = maximum;
    m_value = value;
    if (m_reportPosted || (value < maximum && now - m_lastPosted < ReportInterval))
        return;
    m_reportPosted = true;
    m_lastPosted = now;
    postLocked([self = shared_from_this()](DetachedWork &receiver) {
        const auto [latestMaximum, latestValue] = self->takeReport();
        receiver.progressed(self.get(), latestMaximum, latestValue);
    });
}

std::pair<int, int> WorkTicket::takeReport()
{
    const std::lock_guard lock(m_mutex);
    m_reportPosted = false;
    return {m_maximum, m_value};
}

void WorkTicket::post(std::function<void(DetachedWork &)> call)
{
    const std::lock_guard lock(m_mutex);
    postLocked(std::move(call));
}

// The lock keeps the receiver from going between the test and the posting; an event posted
// to an object that is deleted later is discarded with it.
void WorkTicket::postLocked(std::function<void(DetachedWork &)> call)
{
    if (!m_receiver)
        return;
    DetachedWork *receiver = m_receiver;
    QMetaObject::invokeMethod(
        receiver, [receiver, call = std::move(call)] { call(*receiver); }, Qt::QueuedConnection);
}

void WorkTicket::cut()
{
    m_cancelled.store(true, std::memory_order_relaxed);
    const std::lock_guard lock(m_mutex);
    m_receiver = nullptr;
}

DetachedWork::DetachedWork(QObject *parent)
    : QObject(parent)
{
}

// Nothing waits for the threads: they end on their own, or with the process.
DetachedWork::~DetachedWork()
{
    cutAll();
}

void DetachedWork::supersede()
{
    cutAll();
    updateBusy();
}

std::shared_ptr<WorkTicket> DetachedWork::enlist(Delivery done, ProgressHandler onProgress)
{
    std::shared_ptr<WorkTicket> ticket(new WorkTicket(this));
    m_waiting.emplace(ticket.get(),
                      std::make_pair(ticket, Waiting{std::move(done), std::move(onProgress)}));
    return ticket;
}

void DetachedWork::launch(std::function<void()> run)
{
    std::thread(std::move(run)).detach();
}

void DetachedWork::cutAll()
{
    for (auto &[key, waiting] : m_waiting)
        waiting.first->cut();
    m_waiting.clear();
}

// The busy state ends before the result is handled: handling it may ask the user a question
// or start the next piece of work.
void DetachedWork::finished(WorkTicket *ticket, const std::any &result)
{
    const auto found = m_waiting.find(ticket);
    if (found == m_waiting.end())
        return;
    const Delivery done = std::move(found->second.second.done);
    m_waiting.erase(found);
    updateBusy();
    done(result);
}

void DetachedWork::progressed(WorkTicket *ticket, int maximum, int value)
{
    const auto found = m_waiting.find(ticket);
    if (found != m_waiting.end() && found->second.second.onProgress)
        found->second.second.onProgress(maximum, value);
}

void DetachedWork::updateBusy()
{
    if (isBusy() == m_busyShown)
        return;
    m_busyShown = isBusy();
    Q_EMIT busyChanged(m_busyShown);
}
