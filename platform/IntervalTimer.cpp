#include "platform/IntervalTimer.h"

#include <stdexcept>
#include <string>

IntervalTimer::IntervalTimer(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::tick);
}

void IntervalTimer::setInterval(int milliseconds)
{
    if (milliseconds < 0)
        throw std::invalid_argument("Invalid timer interval " + std::to_string(milliseconds));
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    if (milliseconds == 0)
        m_timer.stop();
    else
        m_timer.start(milliseconds);
}
