#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

/// A thread of its own for the slow part of saving or verifying a disc (a drive's reads, a
/// file's encoding), handed its work a piece at a time, in order, and handing results back to
/// the object that asked. Both go through Qt's event queue, each hand-over marked for
/// ThreadSanitizer, which cannot see the queue's locks.
class WorkThread {
public:
    WorkThread();
    /// Waits for the piece under way to end; pieces not begun are dropped.
    ~WorkThread();
    WorkThread(const WorkThread&) = delete;
    WorkThread& operator=(const WorkThread&) = delete;

    /// Runs `work` on the thread.
    void post(std::function<void()> work);
    /// From the thread: runs `answer` on `receiver`'s thread, unless `receiver` is gone by then.
    void answer(QObject* receiver, std::function<void()> answer);

private:
    void handOver(QObject* receiver, std::function<void()> work);

    QThread m_thread;
    /// Lives on the thread, so that what is posted to it runs there.
    std::unique_ptr<QObject> m_context;
};
