#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

/// Bytes passed from the disc reader's thread to the sound output. Neither side ever waits for
/// the other. Every clear() starts a new generation; writes from an older one are dropped, so a
/// reader still busy with the previous position cannot slip stale sound in.
class RingBuffer {
public:
    explicit RingBuffer(std::size_t capacity);

    /// Writes all of `data` or nothing; false when it does not fit or is stale.
    bool write(const char* data, std::size_t size, uint64_t generation);
    /// Copies up to `size` bytes out; returns how many.
    std::size_t read(char* data, std::size_t size);

    /// Empties the buffer and returns the new generation.
    uint64_t clear();
    /// Marks that the current generation will write nothing more.
    void finish(uint64_t generation);

    std::size_t available() const;
    std::size_t freeSpace() const;
    bool finished() const;
    uint64_t generation() const;

private:
    mutable std::mutex m_mutex;
    std::vector<char> m_data;
    std::size_t m_readPos = 0;
    std::size_t m_size = 0;
    uint64_t m_generation = 0;
    bool m_finished = false;
};
