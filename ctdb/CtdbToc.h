#pragma once

#include "disc/DiscLayout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// A disc's table of contents as the database writes it: each track's first sector (its INDEX
/// 01, counted from track 1's position 0 without the 150-sector lead-in) and the lead-out.
/// Only the first run of audio tracks counts: a data track before it or after it is in the
/// table but not in the audio that the database sums.
struct CtdbToc {
    static constexpr int MaxTracks = 99;
    /// The disc's sectors end before 100 minutes, as its addresses can say no more.
    static constexpr int MaxSectors = 100 * 60 * 75;
    /// What an enhanced CD's data session costs before its data track: the audio ends there.
    static constexpr int SessionGap = 11400;

    struct Track {
        int start = 0;
        bool audio = true;
        bool operator==(const Track&) const = default;
    };

    std::vector<Track> tracks;
    int leadOut = 0;

    /// "0:16157:...:226627", a data track's start after a '-'; nothing for anything else, or
    /// for a table that isValid() would refuse.
    static std::optional<CtdbToc> parse(std::string_view text);
    /// The table of a disc as pressed, made as its other database IDs are.
    static CtdbToc of(const DiscLayout& disc);

    /// 1 to 99 tracks, ascending, ending before the lead-out within 100 minutes, with audio
    /// that ends after its last track's start.
    bool isValid() const;
    /// The text parse() reads; empty for a table that is not valid.
    std::string toString() const;
    /// The disc's name in the database: 28 characters, the SHA-1 of its audio tracks' starts
    /// and length relative to the first, in base64 made safe for a URL. Empty if not valid.
    std::string id() const;

    /// Each audio track's start relative to the first audio track's, then the audio's length,
    /// in sectors; empty for a table that is not valid.
    std::vector<int> audioBounds() const;
    /// The first audio track's start; -1 for a table that is not valid.
    int audioStart() const;
    /// Whether an entry's table describes the same audio: the same starts relative to the
    /// first audio track and the same length, whatever data or pregap surrounds it.
    bool hasSameAudio(const CtdbToc& other) const;

private:
    /// The first audio track and one past the run of audio tracks that follows it.
    std::pair<std::size_t, std::size_t> audioRun() const;
    int audioEnd(std::size_t runEnd) const;
};
