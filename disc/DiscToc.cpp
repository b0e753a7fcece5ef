#include "disc/DiscToc.h"

std::vector<TrackInfo> DiscToc::audioTracks() const
{
    std::vector<TrackInfo> audio;
    if (hiddenSectors > 0) {
        TrackInfo hidden;
        hidden.sectorCount = hiddenSectors;
        audio.push_back(hidden);
    }
    for (const TrackInfo& track : tracks)
        if (track.audio)
            audio.push_back(track);
    return audio;
}

void DiscToc::leaveOutSessionGaps()
{
    for (std::size_t n = 0; n + 1 < tracks.size(); ++n)
        if (tracks[n].audio && !tracks[n + 1].audio && tracks[n].sectorCount > SessionGap)
            tracks[n].sectorCount -= SessionGap;
}
