#include "disc/CoverPicture.h"

#include <algorithm>
#include <array>

namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t bigEndian(Bytes bytes, std::size_t at, std::size_t length)
{
    std::uint32_t value = 0;
    for (std::size_t n = 0; n < length; ++n)
        value = value << 8 | bytes[at + n];
    return value;
}

bool startsWith(Bytes bytes, std::span<const std::uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::optional<CoverPicture> png(Bytes bytes)
{
    // Signature, then the IHDR chunk: length 13, type, width, height, bit depth, colour type.
    if (bytes.size() < 8 + 8 + 13 + 4 || bigEndian(bytes, 8, 4) != 13 ||
        bigEndian(bytes, 12, 4) != 0x49484452)
        return std::nullopt;
    CoverPicture picture{"image/png", bigEndian(bytes, 16, 4), bigEndian(bytes, 20, 4)};
    const std::uint32_t bits = bytes[24];
    switch (bytes[25]) {
    case 0:
        picture.depth = bits;
        break;
    case 2:
        picture.depth = bits * 3;
        break;
    case 3:
        // A palette's entries are 8-bit RGB whatever the index's size.
        picture.depth = 24;
        break;
    case 4:
        picture.depth = bits * 2;
        break;
    case 6:
        picture.depth = bits * 4;
        break;
    default:
        return std::nullopt;
    }
    if (picture.width == 0 || picture.height == 0 || picture.width > 0x7fffffff ||
        picture.height > 0x7fffffff || bits == 0 || bits > 16)
        return std::nullopt;
    if (bytes[25] != 3)
        return picture;
    // The palette comes before the image data: chunk by chunk until it or the data.
    for (std::size_t at = 8; at + 8 <= bytes.size();) {
        const std::uint32_t length = bigEndian(bytes, at, 4);
        const std::uint32_t type = bigEndian(bytes, at + 4, 4);
        if (type == 0x504c5445 /* PLTE */) {
            if (length == 0 || length % 3 != 0 || length / 3 > 256)
                return std::nullopt;
            picture.colors = length / 3;
            return picture;
        }
        if (type == 0x49444154 /* IDAT */ || length > bytes.size() - at - 8)
            return std::nullopt;
        at += 8 + std::size_t(length) + 4;
    }
    return std::nullopt;
}

std::optional<CoverPicture> jpeg(Bytes bytes)
{
    for (std::size_t at = 2; at + 1 < bytes.size();) {
        if (bytes[at] != 0xff)
            return std::nullopt;
        const std::uint8_t marker = bytes[at + 1];
        at += 2;
        // Fill bytes, and markers that stand alone.
        if (marker == 0xff) {
            --at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd8))
            continue;
        // The picture's data or its end before any frame header: none to be found.
        if (marker == 0xd9 || marker == 0xda || at + 2 > bytes.size())
            return std::nullopt;
        const std::size_t length = bigEndian(bytes, at, 2);
        if (length < 2 || length > bytes.size() - at)
            return std::nullopt;
        const bool frame =
            marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            // Precision, height, width, components.
            if (length < 8)
                return std::nullopt;
            CoverPicture picture{"image/jpeg", bigEndian(bytes, at + 5, 2),
                                 bigEndian(bytes, at + 3, 2),
                                 std::uint32_t(bytes[at + 2]) * bytes[at + 7]};
            if (picture.width == 0 || picture.height == 0 || picture.depth == 0)
                return std::nullopt;
            return picture;
        }
        at += length;
    }
    return std::nullopt;
}

} // namespace

std::optional<CoverPicture> CoverPicture::read(std::span<const std::uint8_t> bytes)
{
    static constexpr std::array<std::uint8_t, 8> PngSignature{0x89, 'P',  'N',  'G',
                                                              '\r', '\n', 0x1a, '\n'};
    static constexpr std::array<std::uint8_t, 3> JpegStart{0xff, 0xd8, 0xff};
    if (startsWith(bytes, PngSignature))
        return png(bytes);
    if (startsWith(bytes, JpegStart))
        return jpeg(bytes);
    return std::nullopt;
}
