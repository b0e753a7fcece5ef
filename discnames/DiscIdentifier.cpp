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
    return of(DiscLayout::of(disc));
}

DiscIdentifier DiscIdentifier::of(const DiscLayout& disc)
{
    // The pressed disc's table: every track up to the last audio one, data in track 1 of a
    // mixed-mode disc included; an enhanced CD's data session is left out, its audio ending
    // where that session's gap begins. A data track with no place (a rip's placeholder) is none.
    const DiscLayout::Track* last = disc.lastAudio();
    int offsets[100] = {};
    int first = 0, lastNumber = 0;
    for (const DiscLayout::Track* track = disc.tracks.data(); last && track <= last; ++track) {
        if (track->number < 1 || track->number > 99 || (!track->audio && track->length <= 0))
            continue;
        if (first == 0)
            first = track->number;
        lastNumber = track->number;
        offsets[track->number] = track->start + LeadIn;
    }
    if (first != 0)
        offsets[0] = disc.audioLeadOut() + LeadIn;
    DiscIdentifier made;
    if (first == 0)
        return made;
    const std::unique_ptr<DiscId, decltype(&discid_free)> computed(discid_new(), &discid_free);
    // libdiscid checks the numbers: they rise, and end within the lead-out.
    if (!discid_put(computed.get(), first, lastNumber, offsets))
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
