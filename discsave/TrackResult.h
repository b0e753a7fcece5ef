#pragma once

#include "discsave/ImageLog.h"

#include <cstdint>

/// One track of a saved or verified disc: what its log says of it (place, sums, re-reads,
/// AccurateRip's answer), and the sum of its sector 450, which the database keeps to help find a
/// drive's offset.
struct TrackResult : ImageLog::Track {
    std::uint32_t frame450 = 0;
};
