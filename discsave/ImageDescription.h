#pragma once

#include "core/Reason.h"

#include <cstdint>
#include <string>
#include <vector>

/// What a saved disc holds: one audio file of the whole disc, from the first sector of track 1
/// (its hidden audio included) to the lead-out, the places of the tracks in it and the disc's
/// names. Positions and lengths are in sectors from the file's start. Plain data.
struct ImageDescription {
    static constexpr int FramesPerSector = 588;
    static constexpr int SectorsPerSecond = 75;
    /// No disc is longer than a day; beyond that a length is nonsense.
    static constexpr int MaxSectors = 24 * 60 * 60 * SectorsPerSecond;

    struct Track {
        int number = 0;
        /// INDEX 01.
        int start = 0;
        /// INDEX 00 lies this far before `start`; 0 for none. On track 1 it is the audio before
        /// the track (a hidden track), so track 1's start equals its gap.
        int gap = 0;
        bool preEmphasis = false;
        /// The disc allows digital copies of the track.
        bool copyPermitted = false;
        /// 12 capital letters and digits, or empty.
        std::string isrc;
        std::string title;
        std::string performer;
    };

    std::string title;
    std::string performer;
    std::string date;
    /// 13 digits, or empty.
    std::string catalog;
    std::string musicBrainzAlbumId;
    std::string musicBrainzDiscId;
    /// 8 hexadecimal digits, or empty.
    std::string freedbId;
    /// The pressed disc's whole table, data tracks included, as DiscLayout::cdToc() says it;
    /// what the databases know the disc by, which the audio alone no longer shows.
    std::string cdToc;
    /// 0 when unknown.
    int discNumber = 0;
    int discTotal = 0;
    /// Silence before track 1 that the file leaves out.
    int pregap = 0;
    std::vector<Track> tracks;
    /// The file's length.
    int sectors = 0;
    /// The front cover as a PNG or JPEG file; empty for none.
    std::vector<std::uint8_t> cover;

    /// Why the tracks do not fit the file or a code is malformed; empty when all is well.
    Reason problem() const;

    /// mm:ss:ff, as cue sheets write times.
    static std::string time(long long sectors);
};
