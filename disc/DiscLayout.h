#pragma once

#include "disc/DiscToc.h"

#include <optional>
#include <string>
#include <string_view>
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

    /// The disc's layout: the one its image keeps (its CDTOC) where that describes the same
    /// audio, else as its table gives it.
    static DiscLayout of(const DiscToc& disc);
    /// The layout a CDTOC text describes; nothing for a text that is none, or describes no disc.
    static std::optional<DiscLayout> fromCdToc(std::string_view text);

    /// The whole table as the CDTOC tag keeps it beside a disc's audio, in upper-case
    /// hexadecimal sector addresses from the lead-in's start joined by '+': the number of audio
    /// tracks, each one's start, then for data after the audio its start and the lead-out,
    /// for data first the lead-out, then X and the data's start, else the lead-out. Empty for a
    /// layout it cannot say.
    std::string cdToc() const;
    /// Whether `other` has the same audio tracks: as many, starting as far apart.
    bool hasSameAudio(const DiscLayout& other) const;
    /// Where the music ends: the lead-out, or on an enhanced CD (data after the music) where the
    /// gap before its data session begins.
    int audioLeadOut() const;
    /// The last track with music; null without one.
    const Track* lastAudio() const;
};
