#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

/// What a FLAC file says of a picture it holds, read from the picture's own header: the
/// picture comes from the web and is believed only as far as its header checks out.
struct CoverPicture {
    /// The largest cover the program takes anywhere: what a FLAC picture block holds, with room
    /// for the block's other fields.
    static constexpr std::size_t MostBytes = (1 << 24) - 1024;

    std::string mimeType;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    /// Bits per pixel.
    std::uint32_t depth = 0;
    /// Colours in the palette of an indexed picture; 0 for others.
    std::uint32_t colors = 0;

    /// A PNG or JPEG file's picture; none for other files or ones whose header is broken.
    static std::optional<CoverPicture> read(std::span<const std::uint8_t> bytes);
};
