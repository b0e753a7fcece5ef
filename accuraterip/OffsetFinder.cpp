#include "accuraterip/OffsetFinder.h"

#include "accuraterip/TrackChecksum.h"

#include <map>

namespace {

constexpr std::size_t Frames = TrackChecksum::FramesPerSector;

std::uint32_t frame(const std::vector<std::int16_t>& region, std::size_t at)
{
    return std::uint32_t(std::uint16_t(region[2 * at])) |
           std::uint32_t(std::uint16_t(region[2 * at + 1])) << 16;
}

} // namespace

std::vector<std::uint32_t> OffsetFinder::sums(const std::vector<std::int16_t>& region)
{
    if (region.size() != 2 * Frames * SectorsRead)
        return {};
    // Slid one frame at a time: each weight steps down by one, and the new last frame comes in
    // at weight 588.
    std::uint32_t weighted = 0;
    std::uint32_t plain = 0;
    for (std::size_t m = 0; m < Frames; ++m) {
        weighted += std::uint32_t(m + 1) * frame(region, m);
        plain += frame(region, m);
    }
    std::vector<std::uint32_t> made;
    made.reserve(2 * Reach + 1);
    for (std::size_t first = 0;; ++first) {
        made.push_back(weighted);
        if (made.size() == 2 * Reach + 1)
            break;
        const std::uint32_t in = frame(region, first + Frames);
        weighted = weighted - plain + std::uint32_t(Frames) * in;
        plain = plain - frame(region, first) + in;
    }
    return made;
}

std::optional<int> OffsetFinder::find(const std::vector<std::vector<std::int16_t>>& regions,
                                      const std::vector<AccurateRipAnswer::Record>& records)
{
    struct Support {
        int tracks = 0;
        int confidence = 0;
    };
    std::map<int, Support> offsets;
    for (std::size_t n = 0; n < regions.size(); ++n) {
        const std::vector<std::uint32_t> found = sums(regions[n]);
        if (found.empty())
            continue;
        std::map<int, int> matched;
        for (const AccurateRipAnswer::Record& record : records) {
            if (n >= record.tracks.size())
                continue;
            const AccurateRipAnswer::Track& track = record.tracks[n];
            // Silence sums to 0 at every offset: it tells nothing.
            if (track.isEmpty() || track.frame450 == 0)
                continue;
            for (std::size_t at = 0; at < found.size(); ++at)
                if (found[at] == track.frame450)
                    matched[int(at) - Reach] += track.confidence;
        }
        for (const auto& [offset, confidence] : matched) {
            ++offsets[offset].tracks;
            offsets[offset].confidence = std::max(offsets[offset].confidence, confidence);
        }
    }
    std::optional<int> chosen;
    for (const auto& [offset, support] : offsets) {
        if (support.tracks < 2 && support.confidence < 2)
            continue;
        if (chosen)
            return std::nullopt;
        chosen = offset;
    }
    return chosen;
}
