#pragma once

#include "accuraterip/AccurateRipAnswer.h"
#include "accuraterip/AccurateRipId.h"
#include "core/Reason.h"
#include "ctdb/CtdbVerdict.h"
#include "discsave/TrackResult.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

/// How saving or verifying a disc ended: its tracks with AccurateRip's answer on each, and the
/// status the command line ends with.
struct DiscReport {
    /// As the program's exit statuses.
    enum class Status {
        /// Every track accurate in a database, or in none for want of its records (or not
        /// checked, for a saving).
        Fine = 0,
        /// No disc, a folder that cannot be written, a bad image, cancelled: `why` says.
        NothingDone = 1,
        /// A track that neither database finds accurate differs in one, or had sectors whose
        /// reads never agreed.
        Differs = 2,
    };

    Status status = Status::NothingDone;
    /// One line on what stopped it, for NothingDone.
    Reason why;
    /// A saving's folder, where it was kept.
    std::string folder;
    std::vector<TrackResult> tracks;
    /// The CUETools database's answer on the disc and on each of `tracks`.
    CtdbVerdict ctdb;
    /// Why the CUETools database's answer could not be read; empty when it could, or none came.
    Reason ctdbWhy;
    /// For a disc the database's parity can mend: the mends, at the verdict's offset.
    std::shared_ptr<const std::vector<CtdbRepair::Fix>> ctdbFixes;
    /// For a saving that mended what it read from the database's parity: the words and the
    /// sectors holding them; 0 for none.
    int repairedWords = 0;
    int repairedSectors = 0;

    /// Fills in each track's answer from the database's records of `disc`; "not checked" for
    /// all without records (the database was not asked, or its answer made no sense).
    static void judge(std::vector<TrackResult>& tracks, const std::optional<AccurateRipId>& disc,
                      const std::optional<std::vector<AccurateRipAnswer::Record>>& records);
    /// Differs when a track accurate in neither database differs in one or has suspicious
    /// positions, Fine otherwise.
    static Status statusOf(const std::vector<TrackResult>& tracks, const CtdbVerdict& ctdb);
    /// Whether the database knew none of the tracks.
    static bool notInDatabase(const std::vector<TrackResult>& tracks);
};
