#pragma once

#include "accuraterip/AccurateRipAnswer.h"
#include "accuraterip/AccurateRipId.h"
#include "core/Reason.h"
#include "discsave/TrackResult.h"

#include <optional>
#include <string>
#include <vector>

/// How saving or verifying a disc ended: its tracks with AccurateRip's answer on each, and the
/// status the command line ends with.
struct DiscReport {
    /// As the program's exit statuses.
    enum class Status {
        /// Every track accurate, or the disc not in the database (or not checked, for a saving).
        Fine = 0,
        /// No disc, a folder that cannot be written, a bad image, cancelled: `why` says.
        NothingDone = 1,
        /// A track differs, or had sectors whose reads never agreed.
        Differs = 2,
    };

    Status status = Status::NothingDone;
    /// One line on what stopped it, for NothingDone.
    Reason why;
    /// A saving's folder, where it was kept.
    std::string folder;
    std::vector<TrackResult> tracks;

    /// Fills in each track's answer from the database's records of `disc`; "not checked" for
    /// all without records (the database was not asked, or its answer made no sense).
    static void judge(std::vector<TrackResult>& tracks, const std::optional<AccurateRipId>& disc,
                      const std::optional<std::vector<AccurateRipAnswer::Record>>& records);
    /// Differs when a track differs or has suspicious positions, Fine otherwise.
    static Status statusOf(const std::vector<TrackResult>& tracks);
    /// Whether the database knew none of the tracks.
    static bool notInDatabase(const std::vector<TrackResult>& tracks);
};
