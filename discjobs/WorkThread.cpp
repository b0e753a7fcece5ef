#include "discjobs/WorkThread.h"

#include "core/ThreadHandOff.h"

WorkThread::WorkThread() : m_context(std::make_unique<QObject>())
{
    m_thread.setObjectName(QStringLiteral("Disc saving"));
    m_context->moveToThread(&m_thread);
    m_thread.start();
}

WorkThread::~WorkThread()
{
    m_thread.quit();
    m_thread.wait();
}

void WorkThread::post(std::function<void()> work)
{
    handOver(m_context.get(), std::move(work));
}

void WorkThread::answer(QObject* receiver, std::function<void()> answer)
{
    handOver(receiver, std::move(answer));
}

void WorkThread::handOver(QObject* receiver, std::function<void()> work)
{
    ThreadHandOff::release(this);
    QMetaObject::invokeMethod(
        receiver,
        [this, work = std::move(work)] {
            ThreadHandOff::acquire(this);
            work();
        },
        Qt::QueuedConnection);
}
