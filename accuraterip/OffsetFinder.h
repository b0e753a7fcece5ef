#pragma once

#include "accuraterip/AccurateRipAnswer.h"

#include <cstdint>
#include <optional>
#include <vector>

/// Finds a drive's read offset from a disc AccurateRip knows: each audio track's sum over its
/// sector 450, which the database keeps for this, made from the drive's audio at every offset
/// within reach. Plain C++.
struct OffsetFinder {
    /// The farthest offset tried either way, in samples: five sectors.
    static constexpr int Reach = 2940;
    /// The sectors read of each track: from five before its sector 450 to five after it.
    static constexpr int SectorsRead = 11;
    static constexpr int FirstSectorRead = 445;

    /// The offset at which the drive's audio makes the database's sums: one offset, matched by
    /// two tracks or more, or by one that at least two rips vouch for. Nothing when none or
    /// more than one does. `regions[n]` holds audio track n's sectors from FirstSectorRead on
    /// (SectorsRead of them, interleaved stereo as the drive gave them, with no offset made
    /// good), or nothing for a track too short; `records` are the disc's.
    static std::optional<int> find(const std::vector<std::vector<std::int16_t>>& regions,
                                   const std::vector<AccurateRipAnswer::Record>& records);
    /// The sector 450 sum of every offset from -Reach to +Reach, in that order, of one region.
    static std::vector<std::uint32_t> sums(const std::vector<std::int16_t>& region);
};
