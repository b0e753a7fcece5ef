#include "sound/RingBuffer.h"

#include <algorithm>
#include <cstring>

RingBuffer::RingBuffer(std::size_t capacity) : m_data(capacity) {}

bool RingBuffer::write(const char* data, std::size_t size, uint64_t generation)
{
    std::lock_guard lock(m_mutex);
    if (generation != m_generation || m_finished || size > m_data.size() - m_size)
        return false;
    std::size_t writePos = (m_readPos + m_size) % m_data.size();
    const std::size_t first = std::min(size, m_data.size() - writePos);
    std::memcpy(m_data.data() + writePos, data, first);
    std::memcpy(m_data.data(), data + first, size - first);
    m_size += size;
    return true;
}

std::size_t RingBuffer::read(char* data, std::size_t size)
{
    std::lock_guard lock(m_mutex);
    size = std::min(size, m_size);
    const std::size_t first = std::min(size, m_data.size() - m_readPos);
    std::memcpy(data, m_data.data() + m_readPos, first);
    std::memcpy(data + first, m_data.data(), size - first);
    m_readPos = (m_readPos + size) % m_data.size();
    m_size -= size;
    return size;
}

uint64_t RingBuffer::clear()
{
    std::lock_guard lock(m_mutex);
    m_readPos = 0;
    m_size = 0;
    m_finished = false;
    return ++m_generation;
}

void RingBuffer::finish(uint64_t generation)
{
    std::lock_guard lock(m_mutex);
    if (generation == m_generation)
        m_finished = true;
}

std::size_t RingBuffer::available() const
{
    std::lock_guard lock(m_mutex);
    return m_size;
}

std::size_t RingBuffer::freeSpace() const
{
    std::lock_guard lock(m_mutex);
    return m_data.size() - m_size;
}

bool RingBuffer::finished() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}

uint64_t RingBuffer::generation() const
{
    std::lock_guard lock(m_mutex);
    return m_generation;
}
