#include "ctdb/CtdbCrc.h"

#include "ctdb/CtdbLayout.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

std::uint32_t CtdbCrc::ofSamples(std::span<const std::int16_t> samples)
{
    return update(std::uint32_t(crc32_z(0, nullptr, 0)), samples);
}

std::uint32_t CtdbCrc::update(std::uint32_t start, std::span<const std::int16_t> samples)
{
    uLong crc = start;
    if constexpr (std::endian::native == std::endian::little) {
        crc = crc32_z(crc, reinterpret_cast<const Bytef*>(samples.data()), samples.size_bytes());
    } else {
        Bytef bytes[4096];
        for (std::size_t at = 0; at < samples.size(); at += sizeof bytes / 2) {
            const std::size_t count = std::min(samples.size() - at, sizeof bytes / 2);
            for (std::size_t n = 0; n < count; ++n) {
                bytes[2 * n] = Bytef(std::uint16_t(samples[at + n]) & 0xff);
                bytes[2 * n + 1] = Bytef(std::uint16_t(samples[at + n]) >> 8);
            }
            crc = crc32_z(crc, bytes, 2 * count);
        }
    }
    return std::uint32_t(crc);
}

std::optional<CtdbCrc> CtdbCrc::of(const CtdbToc& toc, std::span<const std::int16_t> audio,
                                   int offset)
{
    const std::vector<int> bounds = toc.audioBounds();
    if (bounds.empty() || std::abs(offset) >= CtdbLayout::MaxOffset)
        return std::nullopt;
    const std::optional<CtdbLayout> layout = CtdbLayout::of(bounds.back());
    if (!layout || audio.size() != layout->words)
        return std::nullopt;
    // The window stays within the audio, since the ends it leaves out are wider than any offset.
    const auto shift = std::ptrdiff_t(2) * offset;
    CtdbCrc crc;
    crc.disc = std::uint32_t(crc32_z(0, nullptr, 0));
    for (std::size_t n = 0; n + 1 < bounds.size(); ++n) {
        const auto word = [&](int sector) {
            return std::clamp(std::size_t(sector) * CtdbLayout::WordsPerSector, layout->bodyBegin(),
                              layout->bodyEnd());
        };
        const std::size_t begin = word(bounds[n]);
        const std::size_t length = word(bounds[n + 1]) - begin;
        crc.tracks.push_back(
            ofSamples(audio.subspan(std::size_t(std::ptrdiff_t(begin) + shift), length)));
        crc.disc = std::uint32_t(crc32_combine(crc.disc, crc.tracks.back(), z_off_t(2 * length)));
    }
    return crc;
}
