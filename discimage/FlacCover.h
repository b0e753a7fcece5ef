#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// The front cover a FLAC file holds in its PICTURE block, for an image copied into a new one.
class FlacCover {
public:
    /// The picture's bytes; empty when the file has none, cannot be read, or holds one larger
    /// than a cover may be.
    static std::vector<std::uint8_t> front(const std::string& path);
};
