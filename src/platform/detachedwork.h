// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <any>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

class DetachedWork;

// The worker's side of one piece of detached work: whether its result is still wanted, and
// how far it has come. Shared by the worker thread and the receiving side.
class WorkTicket : public std::enable_shared_from_this<WorkTicket> {
public:
    // True once the receiver has gone or a newer piece of work has replaced this one; the
    // worker may stop early, since its result will be dropped.
    bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    // Tells the receiver the progress; reports that come faster than the receiver takes them
    // are merged, so the receiver sees the latest one. Reports are passed on at most sixty
    // times a second, since each one wakes the receiver's thread: steps in between may be
    // missed, but a report that reaches the maximum always arrives.
    void report(int maximum, int value);

private:
    friend class DetachedWork;
    explicit WorkTicket(DetachedWork *receiver);
    // Queues call to run on the receiver's thread, unless the receiver is gone by then.
    void post(std::function<void(DetachedWork &)> call);
    void postLocked(std::function<void(DetachedWork &)> call);
    std::pair<int, int> takeReport();
    void cut();

    std::mutex m_mutex;
    DetachedWork *m_receiver; // nullptr once cut
    std::atomic<bool> m_cancelled{false};
    int m_maximum = 0;
    int m_value = 0;
    bool m_reportPosted = false;
    std::chrono::steady_clock::time_point m_lastPosted;
};

// Runs work on threads that nobody waits for, and hands the results back on the thread of
// this object. A folder on a dead network mount can keep its reader waiting for minutes: the
// windows keep answering meanwhile, and the program still ends at once, since no thread is
// joined. The work holds only what it captured and its ticket; once this object is gone or
// has superseded the work, the ticket points nowhere and the result is dropped.
class DetachedWork : public QObject {
    Q_OBJECT
public:
    using ProgressHandler = std::function<void(int maximum, int value)>;

    explicit DetachedWork(QObject *parent = nullptr);
    ~DetachedWork() override;

    // Runs work(ticket) on a thread of its own; its result goes to done, and its progress
    // reports to onProgress, both on this object's thread, unless the work is superseded
    // before. work must capture nothing that this side may destroy.
    template<typename Work, typename Done>
    void start(Work work, Done done, ProgressHandler onProgress = {});
    // The same, after dropping every piece of work still running.
    template<typename Work, typename Done>
    void startInstead(Work work, Done done, ProgressHandler onProgress = {});
    // Drops every piece of work still running: their results will not arrive.
    void supersede();

    // Whether some piece of work has not delivered its result yet.
    bool isBusy() const { return !m_waiting.empty(); }

Q_SIGNALS:
    void busyChanged(bool busy);

private:
    using Delivery = std::function<void(const std::any &result)>;
    struct Waiting {
        Delivery done;
        ProgressHandler onProgress;
    };

    std::shared_ptr<WorkTicket> enlist(Delivery done, ProgressHandler onProgress);
    static void launch(std::function<void()> run);
    void cutAll();
    void finished(WorkTicket *ticket, const std::any &result);
    void progressed(WorkTicket *ticket, int maximum, int value);
    void updateBusy();

    friend class WorkTicket;
    std::map<WorkTicket *, std::pair<std::shared_ptr<WorkTicket>, Waiting>> m_waiting;
    bool m_busyShown = false;
};

template<typename Work, typename Done>
void DetachedWork::start(Work work, Done done, ProgressHandler onProgress)
{
    using Result = std::invoke_result_t<Work &, WorkTicket &>;
    const std::shared_ptr<WorkTicket> ticket =
        enlist([done = std::move(done)](
                   const std::any &result) { done(std::any_cast<const Result &>(result)); },
               std::move(onProgress));
    launch([ticket, work = std::move(work)]() mutable {
        std::any result(work(*ticket));
        ticket->post([ticket, result = std::move(result)](DetachedWork &receiver) {
            receiver.finished(ticket.get(), result);
        });
    });
    updateBusy();
}

template<typename Work, typename Done>
void DetachedWork::startInstead(Work work, Done done, ProgressHandler onProgress)
{
    cutAll();
    start(std::move(work), std::move(done), std::move(onProgress));
}
