#include "discsave/WorkThread.h"

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
    QMetaObject::invokeMethod(m_context.get(), std::move(work), Qt::QueuedConnection);
}
