#pragma once

#include "accuraterip/AccurateRipAnswer.h"

#include <cstdint>
#include <vector>

/// What the AccurateRip database says of one track's sums.
struct TrackVerdict {
    enum class Result {
        /// Rips that others made of the disc have the same sum.
        Accurate,
        /// The database has rips of the track, and none has this sum.
        Differs,
        /// No rip of the track is on record: the disc is unknown, or its records hold no sum
        /// for this track.
        NotInDatabase,
    };
    /// A track's two sums as TrackChecksum made them.
    struct Sums {
        std::uint32_t v1 = 0;
        std::uint32_t v2 = 0;
    };

    Result result = Result::NotInDatabase;
    /// How many rips had the track's sum: all the records that match it together, since each
    /// record counts the rips of one pressing with one kind of sum.
    int confidence = 0;
    /// How many rips of the track the database holds, matching or not.
    int totalConfidence = 0;

    /// A verdict for each audio track of `disc` in order, from its sums and the disc's records
    /// (AccurateRipAnswer::recordsFor); a track beyond the sums given is not judged.
    static std::vector<TrackVerdict> judge(const std::vector<AccurateRipAnswer::Record>& records,
                                           const AccurateRipId& disc,
                                           const std::vector<Sums>& sums);
    /// The disc is accurate when every one of its audio tracks is.
    static bool discIsAccurate(const std::vector<TrackVerdict>& verdicts,
                               const AccurateRipId& disc);
};
