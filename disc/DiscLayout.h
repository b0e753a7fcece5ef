#pragma once

#include "disc/DiscToc.h"

#include <vector>

/// A disc as it was pressed: where each track starts, in sectors from the disc's sector 0, which
/// tracks hold music, and where the disc ends. The IDs the databases file a disc under are all
/// made from this one description, so a disc and its saved image are always the same disc.
///
/// Where track 1 starts: silence that an image's sheet puts before it (its PREGAP) is on the
/// pressed disc, which the file leaves out; track 1's INDEX 01 lies that many sectors after
/// sector 0, as on real discs that start it at sector 32, 33 or 37.
struct DiscLayout {
    struct Track {
        int number = 0;
        int start = 0;
        /// Sectors up to the next track or the lead-out; 0 for a rip's data-track placeholder,
        /// which has no place on the disc.
        int length = 0;
        bool audio = true;
    };

    std::vector<Track> tracks;
    /// The disc's own lead-out, after a data session too.
    int leadOut = 0;

    static DiscLayout of(const DiscToc& disc);

    /// Where the music ends: the lead-out, or on an enhanced CD (data after the music) where the
    /// gap before its data session begins.
    int audioLeadOut() const;
    /// The last track with music; null without one.
    const Track* lastAudio() const;
};
