#pragma once

#include "disc/DiscLayout.h"
#include "disc/DiscToc.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// A disc as the AccurateRip database files it: two sums over its audio tracks' starts and its
/// lead-out, and its freedb ID. Data tracks count for the freedb ID only, and the lead-out is
/// the disc's own even where a data session follows the music.
struct AccurateRipId {
    /// The disc's sectors end before 100 minutes, as its addresses can say no more.
    static constexpr int MaxSectors = 100 * 60 * DiscToc::SectorsPerSecond;
    static constexpr int MaxTracks = 99;

    int audioTracks = 0;
    std::uint32_t id1 = 0;
    std::uint32_t id2 = 0;
    std::uint32_t cddb = 0;
    /// For each audio track in order, its place among a database record's tracks, or -1 where
    /// the record has none: a record keeps a place for each track from the disc's first,
    /// data or not, but only as many places as the disc has audio tracks.
    std::vector<int> recordTracks;

    /// Nothing for a disc without audio, or whose table is out of order or off any disc.
    static std::optional<AccurateRipId> of(const DiscLayout& disc);
    static std::optional<AccurateRipId> of(const DiscToc& disc);

    /// The name of the disc's file in the database, "dBAR-nnn-id1-id2-cddb.bin".
    std::string fileName() const;
    /// Where that file lies under the server's root, "accuraterip/x/y/z/<file name>" with x, y
    /// and z id1's last three hexadecimal digits from its end.
    std::string path() const;
};
