#include "player/PlaybackPlan.h"

void PlaybackPlan::restart(uint64_t generation)
{
    std::lock_guard lock(m_mutex);
    m_generation = generation;
    m_queued.reset();
}

void PlaybackPlan::queue(uint64_t generation, Range next)
{
    std::lock_guard lock(m_mutex);
    if (generation == m_generation)
        m_queued = next;
}

bool PlaybackPlan::requeue(uint64_t generation, Range next)
{
    std::lock_guard lock(m_mutex);
    if (generation != m_generation || !m_queued)
        return false;
    m_queued = next;
    return true;
}

PlaybackPlan::Next PlaybackPlan::take(uint64_t generation, Range& next)
{
    std::lock_guard lock(m_mutex);
    if (generation != m_generation || !m_queued)
        return Next::Undecided;
    next = *m_queued;
    m_queued.reset();
    return next.isEnd() ? Next::End : Next::Range;
}
