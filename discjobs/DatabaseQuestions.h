#pragma once

#include "accuraterip/AccurateRipClient.h"
#include "accuraterip/AccurateRipId.h"
#include "ctdb/CtdbToc.h"
#include "discjobs/CtdbCheck.h"
#include "discsave/TrackResult.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

/// Asks AccurateRip and the CUETools database at once about a disc that was read, for a saving,
/// a verifying and a repair alike, and tells once both have answered.
class DatabaseQuestions {
public:
    /// What was read: the audio tracks with their sums, the disc's names in both databases.
    struct Read {
        std::vector<TrackResult> tracks;
        std::optional<AccurateRipId> id;
        CtdbToc toc;
        std::shared_ptr<const CtdbDiscSums> ctdbSums;
    };
    struct Answers {
        /// The tracks with AccurateRip's answer on each.
        std::vector<TrackResult> tracks;
        /// Why AccurateRip said nothing; empty when it answered.
        Reason accurateRipSilent;
        CtdbCheck::Outcome ctdb;

        /// The log's lines on what the CUETools database said of the tracks and the disc.
        std::vector<std::string> ctdbLogLines() const;
    };

    /// Asks through `accurateRip`, which must outlive it, and judges on `work`, which must be
    /// destroyed before it.
    DatabaseQuestions(AccurateRipClient& accurateRip, QObject* parent, WorkThread& work)
        : m_accurateRip(accurateRip), m_ctdb(parent, work)
    {
    }

    /// `done` is told once, never before this returns.
    void ask(const Read& read, std::function<void(const Answers&)> done);

private:
    AccurateRipClient& m_accurateRip;
    CtdbCheck m_ctdb;
};
