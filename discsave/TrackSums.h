#pragma once

#include "accuraterip/TrackChecksum.h"
#include "ctdb/CtdbDiscSums.h"
#include "discsave/Crc32.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

/// The sums of a disc's audio tracks, each over the stretch AccurateRip sums (from its INDEX 01
/// to the next track's, the last to the end of the audio), fed the disc's audio in order as it
/// is read: the test read and the copy each at its own pace. Audio before the first track (a
/// hidden track) is no track's.
class TrackSums {
public:
    /// A track's stretch, in sectors of the disc.
    struct Stretch {
        int number = 0;
        int firstSector = 0;
        int sectors = 0;
    };
    struct Sums {
        std::uint32_t testCrc = 0;
        std::uint32_t copyCrc = 0;
        std::uint32_t accurateRipV1 = 0;
        std::uint32_t accurateRipV2 = 0;
        std::uint32_t frame450 = 0;
    };

    /// `tracks` in order, one after the other without overlap; the audio fed starts at the
    /// disc's sector `fedFrom`, no later than the first track.
    TrackSums(const std::vector<Stretch>& tracks, int fedFrom);

    void copied(const int16_t* samples, std::size_t frames);
    void tested(const int16_t* samples, std::size_t frames);

    /// How many tracks the copy has passed the end of.
    std::size_t tracksCopied() const;
    /// The track the copy is in: an index into the stretches, the first before it.
    std::size_t trackCopying() const;
    /// The track (an index into the stretches) a sector of the disc belongs to: the first for
    /// sectors before it, the last for those after.
    std::size_t trackOf(long long sector) const;
    Sums sums(std::size_t track) const;
    /// The CUETools database's sums of the copy, from the first track's start to the last's
    /// end; nothing for audio the database cannot sum. Taken once the copy is complete.
    std::optional<CtdbDiscSums> takeCtdbSums();

private:
    struct Track {
        Stretch stretch;
        /// Frames from the first fed, one past the last.
        long long begin = 0;
        long long end = 0;
        Crc32 test;
        Crc32 copy;
        TrackChecksum checksum;
    };
    void feed(const int16_t* samples, std::size_t frames, long long& position, bool copy);

    std::vector<Track> m_tracks;
    std::optional<CtdbDiscSums> m_ctdb;
    long long m_copied = 0;
    long long m_tested = 0;
};
