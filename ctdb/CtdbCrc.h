#pragma once

#include "ctdb/CtdbToc.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

/// The database's CRC-32 sums of a disc's audio: the disc's over the rows its parity protects,
/// and each audio track's over its share of them, a track running to the next one's start.
struct CtdbCrc {
    std::uint32_t disc = 0;
    std::vector<std::uint32_t> tracks;

    /// The sums of `audio`, the disc's interleaved stereo samples from its first audio track's
    /// start to its audio lead-out, read `offset` samples further on: an entry whose audio is
    /// found that much further into the image sums the same. Nothing when the audio is not the
    /// table's length, the table is not valid or too short, or |offset| reaches 5880.
    static std::optional<CtdbCrc> of(const CtdbToc& toc, std::span<const std::int16_t> audio,
                                     int offset);
    /// The standard CRC-32 of samples written as 16-bit little-endian words.
    static std::uint32_t ofSamples(std::span<const std::int16_t> samples);
    /// `crc` carried on over more samples.
    static std::uint32_t update(std::uint32_t crc, std::span<const std::int16_t> samples);
};
