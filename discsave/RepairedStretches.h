#pragma once

#include "ctdb/CtdbRepair.h"
#include "disc/DiscToc.h"

#include <string>
#include <vector>

/// Where a repair changed an image, in runs of neighbouring sectors, as its log lists them.
struct RepairedStretches {
    struct Stretch {
        int track = 0;
        /// In sectors from the track's start.
        int start = 0;
        int sectors = 0;
        int words = 0;
    };

    /// The runs of `fixes`, places in the audio from the first audio track's start of `disc`.
    static std::vector<Stretch> of(const DiscToc& disc, const std::vector<CtdbRepair::Fix>& fixes);
    /// "Repaired from CTDB: track 2 at 00:02:50, 20 sectors, 23520 words", a line each.
    static std::vector<std::string> logLines(const std::vector<Stretch>& stretches);
};
