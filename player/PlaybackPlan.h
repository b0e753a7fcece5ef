#pragma once

#include <cstdint>
#include <mutex>
#include <optional>

/// The ranges of sectors reading goes through, shared by the player and the disc's reader: what
/// follows the range being read, for one generation of the ring buffer at a time. The player
/// queues, the reader takes; a queued range not yet taken may still be replaced.
class PlaybackPlan {
public:
    struct Range {
        int first = 0;
        int end = 0;
        bool isEnd() const { return first >= end; }
    };
    enum class Next { Range, End, Undecided };

    /// A new start: nothing follows yet.
    void restart(uint64_t generation);
    /// What follows: a range, or the end when it is empty.
    void queue(uint64_t generation, Range next);
    /// Puts `next` in place of what was queued; false once reading has taken that.
    bool requeue(uint64_t generation, Range next);
    /// Reading finished its range: what comes next, which is then taken.
    Next take(uint64_t generation, Range& next);

private:
    std::mutex m_mutex;
    uint64_t m_generation = 0;
    std::optional<Range> m_queued;
};
