#pragma once

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>

/// A thread of its own for the slow part of saving or verifying a disc (a drive's reads, a
/// file's encoding), handed its work a piece at a time, in order. Results go back to the object
/// that asked with QMetaObject::invokeMethod.
class WorkThread {
public:
    WorkThread();
    /// Waits for the piece under way to end; pieces not begun are dropped.
    ~WorkThread();
    WorkThread(const WorkThread&) = delete;
    WorkThread& operator=(const WorkThread&) = delete;

    void post(std::function<void()> work);

private:
    QThread m_thread;
    /// Lives on the thread, so that what is posted to it runs there.
    std::unique_ptr<QObject> m_context;
};
