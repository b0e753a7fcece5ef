#pragma once

#include "discimage/CueSheet.h"

#include <string>
#include <variant>

/// The cue sheet a FLAC file carries inside itself: its CUESHEET block, with the album's title,
/// performer and CDTOC from its Vorbis comments, for a FLAC image with no sheet beside it. What
/// the file says is checked as a sheet's text would be.
class FlacCueSheet {
public:
    /// The sheet of the FLAC file at `path`, naming that file as its one FILE; or why there is
    /// none.
    static std::variant<CueSheet, Reason> read(const std::string& path);
};
