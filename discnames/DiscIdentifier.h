#pragma once

#include "disc/DiscLayout.h"
#include "disc/DiscToc.h"

#include <string>
#include <string_view>

/// A disc's MusicBrainz disc ID, made from its audio tracks' places as a drive reports them:
/// each track's start and the audio's end (the data track's start less the session gap on an
/// enhanced CD), as sector addresses from the start of the lead-in.
struct DiscIdentifier {
    /// Empty for a disc without audio.
    std::string id;
    /// First and last track, lead-out and each track's start, joined by '+', for the lookup by
    /// track lengths.
    std::string toc;

    static DiscIdentifier of(const DiscLayout& disc);
    static DiscIdentifier of(const DiscToc& disc);
    /// 28 characters of the disc ID's alphabet, the only names the cache gives its files.
    static bool isWellFormed(std::string_view text);
};
