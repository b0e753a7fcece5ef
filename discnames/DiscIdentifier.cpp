#include "discnames/DiscIdentifier.h"

#include <discid/discid.h>

#include <algorithm>
#include <memory>

namespace {
/// Where a disc's sector 0 lies, counted from the start of the lead-in.
constexpr int LeadIn = 150;
} // namespace

DiscIdentifier DiscIdentifier::of(const DiscToc& disc)
{
    int offsets[100] = {};
    int first = 0, last = 0;
    for (std::size_t n = 0; n < disc.tracks.size(); ++n) {
        const TrackInfo& track = disc.tracks[n];
        if (!track.audio || track.number < 1 || track.number > 99)
            continue;
        if (first == 0)
            first = track.number;
        last = track.number;
        offsets[track.number] = track.firstSector + LeadIn;
        const bool dataNext = n + 1 < disc.tracks.size() && !disc.tracks[n + 1].audio;
        offsets[0] =
            (dataNext ? disc.tracks[n + 1].firstSector - DiscToc::SessionGap : disc.leadOut) +
            LeadIn;
    }
    DiscIdentifier made;
    if (first == 0)
        return made;
    const std::unique_ptr<DiscId, decltype(&discid_free)> computed(discid_new(), &discid_free);
    // libdiscid checks the numbers: they rise, and end within the lead-out.
    if (!discid_put(computed.get(), first, last, offsets))
        return made;
    made.id = discid_get_id(computed.get());
    made.toc = discid_get_toc_string(computed.get());
    std::replace(made.toc.begin(), made.toc.end(), ' ', '+');
    return made;
}

bool DiscIdentifier::isWellFormed(std::string_view text)
{
    return text.size() == 28 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '.' || c == '_' || c == '-';
           });
}
