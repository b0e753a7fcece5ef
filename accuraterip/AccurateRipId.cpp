#include "accuraterip/AccurateRipId.h"

#include <algorithm>
#include <cstdio>

namespace {

/// The lead-in before sector 0, which freedb IDs count.
constexpr int LeadIn = 150;

int digitSum(int number)
{
    int sum = 0;
    for (; number > 0; number /= 10)
        sum += number % 10;
    return sum;
}

bool isOnADisc(const DiscLayout& disc)
{
    if (disc.tracks.empty() || disc.tracks.size() > std::size_t(AccurateRipId::MaxTracks) ||
        disc.leadOut > AccurateRipId::MaxSectors)
        return false;
    int previous = -1;
    for (const DiscLayout::Track& track : disc.tracks) {
        if (track.start <= previous)
            return false;
        previous = track.start;
    }
    return disc.leadOut > previous;
}

} // namespace

std::optional<AccurateRipId> AccurateRipId::of(const DiscToc& disc)
{
    return of(DiscLayout::of(disc));
}

std::optional<AccurateRipId> AccurateRipId::of(const DiscLayout& disc)
{
    if (!isOnADisc(disc))
        return std::nullopt;
    AccurateRipId made;
    int digits = 0;
    std::vector<int> places;
    for (std::size_t n = 0; n < disc.tracks.size(); ++n) {
        const DiscLayout::Track& track = disc.tracks[n];
        digits += digitSum((track.start + LeadIn) / DiscToc::SectorsPerSecond);
        if (!track.audio)
            continue;
        // A disc that starts with data weighs its first audio track by 1, not by its number.
        ++made.audioTracks;
        const std::uint32_t offset = std::uint32_t(track.start);
        made.id1 += offset;
        made.id2 += std::max<std::uint32_t>(offset, 1) * std::uint32_t(made.audioTracks);
        places.push_back(int(n));
    }
    if (made.audioTracks == 0)
        return std::nullopt;
    const std::uint32_t leadOut = std::uint32_t(disc.leadOut);
    made.id1 += leadOut;
    made.id2 += std::max<std::uint32_t>(leadOut, 1) * std::uint32_t(made.audioTracks + 1);

    const int seconds = (disc.leadOut + LeadIn) / DiscToc::SectorsPerSecond -
                        (disc.tracks.front().start + LeadIn) / DiscToc::SectorsPerSecond;
    made.cddb = std::uint32_t(digits % 255) << 24 | std::uint32_t(seconds) << 8 |
                std::uint32_t(disc.tracks.size());

    for (int place : places)
        made.recordTracks.push_back(place < made.audioTracks ? place : -1);
    return made;
}

std::string AccurateRipId::fileName() const
{
    char name[64];
    std::snprintf(name, sizeof name, "dBAR-%03d-%08x-%08x-%08x.bin", audioTracks, unsigned(id1),
                  unsigned(id2), unsigned(cddb));
    return name;
}

std::string AccurateRipId::path() const
{
    char folders[32];
    std::snprintf(folders, sizeof folders, "accuraterip/%x/%x/%x/", unsigned(id1 & 0xf),
                  unsigned(id1 >> 4 & 0xf), unsigned(id1 >> 8 & 0xf));
    return folders + fileName();
}
