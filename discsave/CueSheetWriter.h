#pragma once

#include "discsave/ImageDescription.h"

#include <string>
#include <string_view>

/// The cue sheet of a saved disc, in UTF-8, as rippers write one for a single file of the whole
/// disc. Names are cleaned to one line and bounded; a straight double quote, which a cue sheet
/// cannot hold inside quotes, is written as a curly one.
struct CueSheetWriter {
    /// Longest name written, in bytes; well within a reader's line.
    static constexpr std::size_t MaxNameBytes = 1000;

    /// The sheet for `image`, whose audio file is `audioFileName` (a name that ImageFolder's
    /// safeName gave, so it holds no straight double quote) beside it. `image` must have no
    /// problem().
    static std::string text(const ImageDescription& image, std::string_view audioFileName);
};
