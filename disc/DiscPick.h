#pragma once

#include "disc/DiscReader.h"

#include <memory>
#include <string>
#include <vector>

class DiscSource;

/// The disc Load takes: the first drive with an audio disc, else the first with any disc.
struct DiscPick {
    /// Null when no drive holds a disc that opens.
    std::unique_ptr<DiscReader> reader;
    /// The drive picked; the first drive when none holds a disc.
    std::string drive;

    /// Opens the discs in `drives` of `source` in order until one has audio.
    static DiscPick from(DiscSource& source, const std::vector<std::string>& drives);
};
