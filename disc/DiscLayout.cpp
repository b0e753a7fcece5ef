#include "disc/DiscLayout.h"

DiscLayout DiscLayout::of(const DiscToc& disc)
{
    DiscLayout layout;
    layout.leadOut = disc.leadOut;
    layout.tracks.reserve(disc.tracks.size());
    // An image's table already counts the silence before track 1 in its sectors.
    for (const TrackInfo& track : disc.tracks)
        layout.tracks.push_back({track.number, track.firstSector, track.sectorCount, track.audio});
    return layout;
}

const DiscLayout::Track* DiscLayout::lastAudio() const
{
    for (auto track = tracks.rbegin(); track != tracks.rend(); ++track)
        if (track->audio)
            return &*track;
    return nullptr;
}

int DiscLayout::audioLeadOut() const
{
    const Track* last = lastAudio();
    if (last && last != &tracks.back())
        return (last + 1)->start - DiscToc::SessionGap;
    return leadOut;
}
